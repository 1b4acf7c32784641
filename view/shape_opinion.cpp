#include "shape_opinion.hpp"

#include "calc/failure.hpp"
#include "calc/number_text.hpp"
#include "view/details_report.hpp"

#include <initializer_list>

namespace coilwind {
namespace {

std::string_view modelWords(CoreType core) {
    return core == CoreType::Rod ? "rod model" : "drum model";
}

// "B / A 0.33 to 0.67, µ 125 to 2000"
std::string rangeWords(std::initializer_list<ModelLimit> limits) {
    std::string words;
    for (const ModelLimit& limit : limits) {
        words += (words.empty() ? "" : ", ") + std::string(limit.quantity) + " " +
                 shortestText(limit.low) + " to " + shortestText(limit.high);
    }
    return words;
}

std::optional<std::string> oneDecimal(double value) {
    return figureText(value, Pattern::OneDecimal);
}

std::vector<DetailsLine> linesOf(const OpenCoreEstimate* e) {
    const auto of = [&](auto format) -> std::optional<std::string> {
        if (e == nullptr) {
            return std::nullopt;
        }
        return format(*e);
    };
    const auto range = [](double low, double high) {
        return oneDecimal(low).value_or("?") + " – " + oneDecimal(high).value_or("?");
    };
    std::optional<std::string> turns;
    if (e != nullptr && e->turns) {
        turns = oneDecimal(*e->turns).value_or("?") + " (" +
                range(e->fewestTurns.value_or(*e->turns), e->mostTurns.value_or(*e->turns)) + ")";
    }
    return {
        {"shape-al", "形状 AL (nH/N2)",
         "AL from the core's shape, with the band of errors its validation measured",
         of([](const OpenCoreEstimate& x) {
             return oneDecimal(x.alNh).value_or("?") + " (" + bandText(x.band) + ")";
         })},
        {"shape-al-range", "AL 范围 (nH/N2)",
         "the AL the band allows: AL / (1 + highest error) to AL / (1 + lowest error)",
         of([&](const OpenCoreEstimate& x) { return range(x.bandLowAlNh, x.bandHighAlNh); })},
        {"shape-turns", "形状圈数",
         "turns the wanted inductance needs with the shape's AL; in brackets, with the band's "
         "highest and lowest AL",
         turns},
        {"shape-ratio", "AL 比 (形状/快速)",
         "the shape's AL over the main window's formula (unrounded) for the same core",
         of([](const OpenCoreEstimate& x) {
             return figureText(x.ratioToQuick, Pattern::ThreeDecimals).value_or("?");
         })},
        {"shape-permeability", "有效磁导率",
         "AL x winding length / (µ0 x the ferrite section under the winding); rod: µrod = µ / (1 "
         "+ N (µ - 1))",
         of([](const OpenCoreEstimate& x) {
             return oneDecimal(x.effectivePermeability).value_or("?");
         })},
        {"shape-bounds", "模型上下限 (nH/N2)",
         "drum: AL with the air return over the length D and over the winding width F; the model "
         "lies between",
         e != nullptr && e->core == CoreType::Drum
             ? std::optional(range(e->lowerAlNh, e->upperAlNh))
             : std::nullopt},
    };
}

std::optional<std::string> noteOf(const OpenCoreOpinion& opinion) {
    const CoreType core = opinion.core;
    if (opinion.gap) {
        return "超出模型范围 (outside the " + std::string(modelWords(core)) +
               "'s range): " + describeGap(core, *opinion.gap);
    }
    if (!opinion.estimate || !alFiguresDisagree(*opinion.estimate)) {
        return std::nullopt;
    }
    const double ratio = opinion.estimate->ratioToQuick;
    const bool quickHigher = ratio < 1;
    const std::string times =
        figureText(quickHigher ? 1 / ratio : ratio, Pattern::OneDecimal).value_or("?");
    const std::string limit = shortestText(kDisagreementLimit * 100);
    const std::string model(modelWords(core));
    return "⚠ 两个 AL 相差超过 " + limit + " %: " +
           (quickHigher ? "主窗口公式的 AL 是形状估计的 " : "形状估计是主窗口公式 AL 的 ") + times +
           " 倍 (the two AL figures differ by more than " + limit + " %: " +
           (quickHigher ? "the main window's AL is " + times + " times the " + model + "'s"
                        : "the " + model + "'s AL is " + times + " times the main window's") +
           "; the main window's formula treats the core as a closed ring of the material, while "
           "an open core's flux returns through air)";
}

} // namespace

ShapeOpinionView viewShapeOpinion(const std::optional<DesignInputs>& design,
                                  const std::optional<OpenCoreOpinion>& opinion) {
    ShapeOpinionView view;
    const CoreType core = design ? design->core : CoreType::Drum;
    if (core == CoreType::Rod) {
        view.title = "棒形磁心的第二估计 (second opinion from the rod's shape)";
        view.explanation =
            "A rod's flux returns through air: its effective permeability µrod depends on its "
            "length over its diameter (demagnetising factor of a prolate spheroid, J. A. Osborn "
            "1945, as in Fair-Rite's rod chart; valid for " +
            rangeWords({kRodLengthPerDiameter, kRodPermeability}) +
            "). The main window's formula is not changed by it.";
    } else {
        view.title = "工字磁心的第二估计 (second opinion from the drum's shape)";
        view.explanation =
            "A drum's flux returns through air, so its AL levels off as µ grows: the ferrite's "
            "reluctance in series with the air return of the drum's envelope (demagnetising "
            "factor of a spheroid, J. A. Osborn 1945; valid for " +
            rangeWords({kDrumPostPerFlange, kDrumLengthPerFlange, kDrumWidthPerLength,
                        kDrumPermeability}) +
            "). The main window's formula is not changed by it.";
    }
    const OpenCoreEstimate* estimate = opinion && opinion->estimate ? &*opinion->estimate : nullptr;
    view.lines = linesOf(estimate);
    if (estimate != nullptr) {
        view.validation = "误差带 (band) " + bandText(estimate->band) + ": measured against " +
                          std::string(estimate->band.against);
    }
    if (design && opinion) {
        view.note = noteOf(*opinion);
        view.warns = estimate != nullptr && view.note.has_value();
        view.usableAsAl = estimate != nullptr;
    }
    return view;
}

CalibrationOutcome applyShapeAl(FieldSet& fields, std::string_view coreTypeText,
                                const DetailsSettings& settings, const CalculationRecord& record) {
    const DetailsView view = viewDetails(fields, coreTypeText, settings, record);
    const std::optional<OpenCoreOpinion>& opinion = view.details.shapeOpinion;
    if (!view.design || !opinion || !opinion->estimate) {
        return {false, "形状模型没有 AL, 未写入 (the shape model gives no AL for this core: see "
                       "why above)"};
    }
    const double al = opinion->estimate->alNh;
    if (formatFixed(al, Pattern::OneDecimal) == "0.0") {
        return {false, "AL = " + shortestText(al) +
                           " nH/N2 显示为 0.0, 未写入 (would show as 0.0; check the entries)"};
    }
    fields.setNumber(field::kAl, al, Pattern::OneDecimal);
    return {true, "AL = " + fields.text(field::kAl) + " nH/N2 (" +
                      std::string(modelWords(view.design->core)) +
                      ") 已写入 (written to AL). Enter in 电感量 recomputes the turns; 计算 "
                      "recomputes AL from 磁导率Ue."};
}

} // namespace coilwind
