#include "shape_opinion.hpp"

#include "calc/failure.hpp"
#include "calc/number_text.hpp"
#include "calc/text.hpp"
#include "view/calibration.hpp"
#include "view/details_report.hpp"

#include <initializer_list>

namespace coilwind {
namespace {

std::string modelWords(CoreType core) {
    return core == CoreType::Rod ? translate("Shape", "rod model")
                                 : translate("Shape", "drum model");
}

// "B / A 0.33 to 0.67, µ 125 to 2000"
std::string rangeWords(std::initializer_list<ModelLimit> limits) {
    std::string words;
    for (const ModelLimit& limit : limits) {
        words += (words.empty() ? "" : ", ") +
                 filled(translate("Shape", "%1 %2 to %3"),
                        {limit.quantity, shortestText(limit.low), shortestText(limit.high)});
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
        {"shape-al", translate("Shape", "形状 AL (nH/N2)"),
         translate("Shape", "AL from the core's shape, with the band of errors its validation measured"),
         of([](const OpenCoreEstimate& x) {
             return oneDecimal(x.alNh).value_or("?") + " (" + bandText(x.band) + ")";
         })},
        {"shape-al-range", translate("Shape", "AL 范围 (nH/N2)"),
         translate("Shape", "the AL the band allows: AL / (1 + highest error) to AL / (1 + lowest error)"),
         of([&](const OpenCoreEstimate& x) { return range(x.bandLowAlNh, x.bandHighAlNh); })},
        {"shape-turns", translate("Shape", "形状圈数"),
         translate("Shape", "turns the wanted inductance needs with the shape's AL; in brackets, with the band's "
         "highest and lowest AL"),
         turns},
        {"shape-ratio", translate("Shape", "AL 比 (形状/快速)"),
         translate("Shape", "the shape's AL over the main window's formula (unrounded) for the same core"),
         of([](const OpenCoreEstimate& x) {
             return figureText(x.ratioToQuick, Pattern::ThreeDecimals).value_or("?");
         })},
        {"shape-permeability", translate("Shape", "有效磁导率"),
         translate("Shape", "AL x winding length / (µ0 x the ferrite section under the winding); rod: µrod = µ / (1 "
         "+ N (µ - 1))"),
         of([](const OpenCoreEstimate& x) {
             return oneDecimal(x.effectivePermeability).value_or("?");
         })},
        {"shape-bounds", translate("Shape", "模型上下限 (nH/N2)"),
         translate("Shape", "drum: AL with the air return over the length D and over the winding width F; the model "
         "lies between"),
         e != nullptr && e->core == CoreType::Drum
             ? std::optional(range(e->lowerAlNh, e->upperAlNh))
             : std::nullopt},
    };
}

std::optional<std::string> noteOf(const OpenCoreOpinion& opinion) {
    const CoreType core = opinion.core;
    if (opinion.gap) {
        return filled(translate("Shape", "超出模型范围 (outside the %1's range): %2"),
                      {modelWords(core), describeGap(core, *opinion.gap)});
    }
    if (!opinion.estimate || !alFiguresDisagree(*opinion.estimate)) {
        return std::nullopt;
    }
    const double ratio = opinion.estimate->ratioToQuick;
    const bool quickHigher = ratio < 1;
    const std::string times =
        figureText(quickHigher ? 1 / ratio : ratio, Pattern::OneDecimal).value_or("?");
    const std::string limit = shortestText(kDisagreementLimit * 100);
    // "%1": the limit in percent; "%2": how many times; "%3": the model.
    return filled(
        quickHigher
            ? translate("Shape", "⚠ 两个 AL 相差超过 %1 %: 主窗口公式的 AL 是形状估计的 %2 倍 (the two AL "
                                 "figures differ by more than %1 %: the main window's AL is %2 times "
                                 "the %3's; the main window's formula treats the core as a closed "
                                 "ring of the material, while an open core's flux returns through "
                                 "air)")
            : translate("Shape", "⚠ 两个 AL 相差超过 %1 %: 形状估计是主窗口公式 AL 的 %2 倍 (the two AL "
                                 "figures differ by more than %1 %: the %3's AL is %2 times the main "
                                 "window's; the main window's formula treats the core as a closed "
                                 "ring of the material, while an open core's flux returns through "
                                 "air)"),
        {limit, times, modelWords(core)});
}

} // namespace

ShapeOpinionView viewShapeOpinion(const std::optional<DesignInputs>& design,
                                  const std::optional<OpenCoreOpinion>& opinion) {
    ShapeOpinionView view;
    const CoreType core = design ? design->core : CoreType::Drum;
    if (core == CoreType::Rod) {
        view.title = translate("Shape", "棒形磁心的第二估计 (second opinion from the rod's shape)");
        view.explanation = filled(
            translate("Shape", "A rod's flux returns through air: its effective permeability µrod "
                               "depends on its length over its diameter (demagnetising factor of a "
                               "prolate spheroid, J. A. Osborn 1945, as in Fair-Rite's rod chart; "
                               "valid for %1). The main window's formula is not changed by it."),
            {rangeWords({kRodLengthPerDiameter, kRodPermeability})});
    } else {
        view.title = translate("Shape", "工字磁心的第二估计 (second opinion from the drum's shape)");
        view.explanation = filled(
            translate("Shape", "A drum's flux returns through air, so its AL levels off as µ grows: "
                               "the ferrite's reluctance in series with the air return of the "
                               "drum's envelope (demagnetising factor of a spheroid, J. A. Osborn "
                               "1945; valid for %1). The main window's formula is not changed by "
                               "it."),
            {rangeWords({kDrumPostPerFlange, kDrumLengthPerFlange, kDrumWidthPerLength,
                         kDrumPermeability})});
    }
    const OpenCoreEstimate* estimate = opinion && opinion->estimate ? &*opinion->estimate : nullptr;
    view.lines = linesOf(estimate);
    if (estimate != nullptr) {
        view.validation = filled(translate("Shape", "误差带 (band) %1: measured against %2"),
                                 {bandText(estimate->band), estimate->band.against});
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
        return {false, translate("Shape", "形状模型没有 AL, 未写入 (the shape model gives no AL for "
                                          "this core: see why above)")};
    }
    const double al = opinion->estimate->alNh;
    if (formatFixed(al, Pattern::OneDecimal) == "0.0") {
        return {false, alShowsZeroText(al)};
    }
    fields.setNumber(field::kAl, al, Pattern::OneDecimal);
    return {true, alWrittenText(fields, " (" + modelWords(view.design->core) + ")")};
}

} // namespace coilwind
