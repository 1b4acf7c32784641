<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>Calibration</name>
    <message>
        <source>实测电感须为大于 0 的数 (measured L: a number above 0, in uH, e.g. 12.5)</source>
        <translation>Measured L must be a number above 0, in uH, e.g. 12.5</translation>
    </message>
    <message>
        <source>圈数须为大于 0 的数 (turns of the test coil: a number above 0, e.g. 20)</source>
        <translation>The turns of the test coil must be a number above 0, e.g. 20</translation>
    </message>
    <message>
        <source>AL = %1 nH/N2 显示为 0.0, 未写入 (would show as 0.0; check the entries)</source>
        <translation>AL = %1 nH/N2 would show as 0.0 and was not written; check the entries</translation>
    </message>
    <message>
        <source>AL 超出范围, 未写入 (AL beyond the range of a number; check the entries)</source>
        <translation>AL lies beyond the range of a number and was not written; check the entries</translation>
    </message>
    <message>
        <source>AL = %1 nH/N2%2 已写入 (written to AL). Enter in 电感量 recomputes the turns; 计算 recomputes AL from 磁导率Ue.</source>
        <translation>AL = %1 nH/N2%2 written to AL. Enter in L recomputes the turns; Calculate recomputes AL from Perm. Ue.</translation>
    </message>
</context>
<context>
    <name>Current</name>
    <message>
        <source>⚠ 热失控: %1 °C 以下无热平衡 (thermal runaway: the loss outgrows what the surface sheds, no heat balance below %1 °C)</source>
        <translation>⚠ Thermal runaway: the loss outgrows what the surface sheds; no heat balance below %1 °C</translation>
    </message>
    <message>
        <source>⚠ 线圈温度 %1 °C 超过漆包线耐热等级 %2 (the winding&apos;s %1 °C exceeds the enamel&apos;s thermal class %2)</source>
        <translation>⚠ The winding&apos;s %1 °C exceeds the enamel&apos;s thermal class %2</translation>
    </message>
    <message>
        <source>⚠ 峰值电流 %1 A 超过饱和电流估计 %2 A (the peak current %1 A exceeds the saturation estimate %2 A)</source>
        <translation>⚠ The peak current %1 A exceeds the saturation estimate %2 A</translation>
    </message>
    <message>
        <source>⚠ 线径 %1 mm 大于两倍集肤深度 (2 × %2 mm): the wire is thicker than two skin depths</source>
        <translation>⚠ The wire, %1 mm, is thicker than two skin depths (2 × %2 mm)</translation>
    </message>
    <message>
        <source>; 建议 %1 股 %2 绞线, 外径约 %3 mm, 绕得下 (use %1 strands of %2 for the same copper area: a bundle about %3 mm thick that fits the winding space)</source>
        <translation>; use %1 strands of %2 for the same copper area: a bundle about %3 mm thick that fits the winding space</translation>
    </message>
    <message>
        <source>; 建议 %1 股 %2 绞线, 外径约 %3 mm, 绕不下 (use %1 strands of %2 for the same copper area: a bundle about %3 mm thick that does not fit the winding space)</source>
        <translation>; use %1 strands of %2 for the same copper area: a bundle about %3 mm thick that does not fit the winding space</translation>
    </message>
    <message>
        <source>; the series has no size that thin</source>
        <translation>; the series has no size that thin</translation>
    </message>
    <message>
        <source>额定电流 ΔT=%1K (A)</source>
        <translation>Rated current ΔT=%1K (A)</translation>
    </message>
    <message>
        <source>热失控 (runaway)</source>
        <translation>thermal runaway</translation>
    </message>
    <message>
        <source>绕得下 (fits)</source>
        <translation>fits</translation>
    </message>
    <message>
        <source>绕不下 (does not fit)</source>
        <translation>does not fit</translation>
    </message>
    <message>
        <source>集肤深度 (mm)</source>
        <translation>Skin depth (mm)</translation>
    </message>
    <message>
        <source>copper&apos;s skin depth at the switching frequency and the winding&apos;s temperature</source>
        <translation>copper&apos;s skin depth at the switching frequency and the winding&apos;s temperature</translation>
    </message>
    <message>
        <source>交流电阻系数</source>
        <translation>AC resistance factor</translation>
    </message>
    <message>
        <source>AC over DC resistance for the triangular ripple: Dowell&apos;s layer model, odd harmonics</source>
        <translation>AC over DC resistance for the triangular ripple: Dowell&apos;s layer model, odd harmonics</translation>
    </message>
    <message>
        <source>直流铜损 (W)</source>
        <translation>DC copper loss (W)</translation>
    </message>
    <message>
        <source>DC current² × hot resistance</source>
        <translation>DC current² × hot resistance</translation>
    </message>
    <message>
        <source>交流铜损 (W)</source>
        <translation>AC copper loss (W)</translation>
    </message>
    <message>
        <source>ripple RMS² × hot resistance × AC factor</source>
        <translation>ripple RMS² × hot resistance × AC factor</translation>
    </message>
    <message>
        <source>总铜损 (W)</source>
        <translation>Copper loss (W)</translation>
    </message>
    <message>
        <source>DC plus AC copper loss</source>
        <translation>DC plus AC copper loss</translation>
    </message>
    <message>
        <source>散热面积 (cm²)</source>
        <translation>Cooling surface (cm²)</translation>
    </message>
    <message>
        <source>outer surface of the wound part that sheds the heat</source>
        <translation>outer surface of the wound part that sheds the heat</translation>
    </message>
    <message>
        <source>温升 (K)</source>
        <translation>Temperature rise (K)</translation>
    </message>
    <message>
        <source>estimate: %1, still air (the Amidon formula)</source>
        <translation>estimate: %1, still air (the Amidon formula)</translation>
    </message>
    <message>
        <source>线圈温度 (°C)</source>
        <translation>Winding temperature (°C)</translation>
    </message>
    <message>
        <source>ambient plus rise: the heat balance&apos;s fixed point</source>
        <translation>ambient plus rise: the heat balance&apos;s fixed point</translation>
    </message>
    <message>
        <source>热态电阻 (Ω)</source>
        <translation>Hot resistance (Ω)</translation>
    </message>
    <message>
        <source>DC resistance at the winding&apos;s temperature</source>
        <translation>DC resistance at the winding&apos;s temperature</translation>
    </message>
    <message>
        <source>峰值电流 (A)</source>
        <translation>Peak current (A)</translation>
    </message>
    <message>
        <source>DC + ripple / 2, against the saturation estimate</source>
        <translation>DC + ripple / 2, against the saturation estimate</translation>
    </message>
    <message>
        <source>建议绞线</source>
        <translation>Suggested strands</translation>
    </message>
    <message>
        <source>when the wire is thicker than two skin depths: strands of the thickest size under two skin depths with the same copper area, bundle diameter, whether it fits</source>
        <translation>when the wire is thicker than two skin depths: strands of the thickest size under two skin depths with the same copper area, bundle diameter, whether it fits</translation>
    </message>
    <message>
        <source>With a DC current set above: skin depth, the ripple&apos;s AC resistance factor (Dowell&apos;s layer model), copper losses, the still-air temperature rise %1 and its heat balance, the rated current for a %2 rise. Estimates of the details, not the main window&apos;s results.</source>
        <translation>With a DC current set above: skin depth, the ripple&apos;s AC resistance factor (Dowell&apos;s layer model), copper losses, the still-air temperature rise %1 and its heat balance, the rated current for a %2 rise. Estimates of the details, not the main window&apos;s results.</translation>
    </message>
    <message>
        <source> °C, 热平衡 heat balance)</source>
        <translation> °C, heat balance)</translation>
    </message>
    <message>
        <source>estimate: the DC current that warms the part by %1, as data sheets rate it; checked against %2 drum inductors of %3 makers: %4 within ±%5 %, from %6 % to %7 %</source>
        <translation>estimate: the DC current that warms the part by %1, as data sheets rate it; checked against %2 drum inductors of %3 makers: %4 within ±%5 %, from %6 % to %7 %</translation>
    </message>
</context>
<context>
    <name>Design</name>
    <message>
        <source>无法打开 (cannot open) %1: %2: %3. 未作任何更改 (nothing was changed).</source>
        <translation>Cannot open %1: %2: %3. Nothing was changed.</translation>
    </message>
    <message>
        <source>已打开，但有说明 (opened with notes) %1:</source>
        <translation>Opened with notes %1:</translation>
    </message>
    <message>
        <source>无法保存 (cannot save) %1: the fields hold more than %2 KiB of text, more than a design file may.</source>
        <translation>Cannot save %1: the fields hold more than %2 KiB of text, more than a design file may.</translation>
    </message>
    <message>
        <source>无法保存 (cannot save) %1: %2.</source>
        <translation>Cannot save %1: %2.</translation>
    </message>
    <message>
        <source>无法打开 (cannot open) %1: %2. 未作任何更改 (nothing was changed).</source>
        <translation>Cannot open %1: %2. Nothing was changed.</translation>
    </message>
    <message>
        <source>已保存 (saved) %1</source>
        <translation>Saved %1</translation>
    </message>
    <message>
        <source>已打开 (opened) %1; nothing was calculated.</source>
        <translation>Opened %1; nothing was calculated.</translation>
    </message>
    <message>
        <source>无法打开链接中的设计 (cannot open the design in the link): %1: %2. 未作任何更改 (nothing was changed).</source>
        <translation>Cannot open the design in the link: %1: %2. Nothing was changed.</translation>
    </message>
    <message>
        <source>保存设计 (save design)…</source>
        <translation>Save design…</translation>
    </message>
    <message>
        <source>打开设计 (open design)…</source>
        <translation>Open design…</translation>
    </message>
    <message>
        <source>设计单存为 PDF (design sheet as PDF)…</source>
        <translation>Design sheet as PDF…</translation>
    </message>
    <message>
        <source>复制链接 (copy link)</source>
        <translation>Copy link</translation>
    </message>
    <message>
        <source>coilwind 设计 (*.coilwind)</source>
        <translation>coilwind designs (*.coilwind)</translation>
    </message>
    <message>
        <source>链接已复制 (link copied): the design is in the address after &apos;#&apos;, which the browser sends nowhere.</source>
        <translation>Link copied: the design is in the address after &apos;#&apos;, which the browser sends nowhere.</translation>
    </message>
    <message>
        <source>设计单 (design sheet) — %1</source>
        <translation>Design sheet — %1</translation>
    </message>
    <message>
        <source>最近的设计 (recent designs)</source>
        <translation>Recent designs</translation>
    </message>
    <message>
        <source>全部忘记 (forget all)</source>
        <translation>Forget all</translation>
    </message>
    <message>
        <source>(尚无 — none yet)</source>
        <translation>(none yet)</translation>
    </message>
    <message>
        <source>打印设计单 (print the design sheet)…</source>
        <translation>Print the design sheet…</translation>
    </message>
</context>
<context>
    <name>Details</name>
    <message>
        <source> (旧设计 earlier design)</source>
        <translation> (earlier design)</translation>
    </message>
    <message>
        <source>工字 (drum)</source>
        <translation>drum</translation>
    </message>
    <message>
        <source>棒型 (rod)</source>
        <translation>rod</translation>
    </message>
    <message>
        <source>磁心类型</source>
        <translation>Core type</translation>
    </message>
    <message>
        <source>不限 (rod)</source>
        <translation>unlimited (rod)</translation>
    </message>
    <message>
        <source>是 (yes)</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>否 (no)</source>
        <translation>no</translation>
    </message>
    <message>
        <source>不需要 (not needed)</source>
        <translation>not needed</translation>
    </message>
    <message>
        <source>整数圈数</source>
        <translation>Whole turns</translation>
    </message>
    <message>
        <source>turns of field 20 rounded up</source>
        <translation>turns of field 20 rounded up</translation>
    </message>
    <message>
        <source>标准线规</source>
        <translation>Standard wire</translation>
    </message>
    <message>
        <source>largest size of the series with overall diameter &lt;= field 21</source>
        <translation>largest size of the series with overall diameter &lt;= field 21</translation>
    </message>
    <message>
        <source>系列最大规格</source>
        <translation>Thickest of the series</translation>
    </message>
    <message>
        <source>the standard wire is the thickest size of the series, and field 21 allows more</source>
        <translation>the standard wire is the thickest size of the series, and field 21 allows more</translation>
    </message>
    <message>
        <source>裸径/外径 (mm)</source>
        <translation>Bare/overall (mm)</translation>
    </message>
    <message>
        <source>standard wire: nominal bare / maximum overall diameter</source>
        <translation>standard wire: nominal bare / maximum overall diameter</translation>
    </message>
    <message>
        <source>每层圈数</source>
        <translation>Turns per layer</translation>
    </message>
    <message>
        <source>turns side by side in one layer</source>
        <translation>turns side by side in one layer</translation>
    </message>
    <message>
        <source>层数</source>
        <translation>Layers</translation>
    </message>
    <message>
        <source>layers, all full but the last</source>
        <translation>layers, all full but the last</translation>
    </message>
    <message>
        <source>绕组厚度 (mm)</source>
        <translation>Winding build (mm)</translation>
    </message>
    <message>
        <source>layers x maximum overall diameter</source>
        <translation>layers x maximum overall diameter</translation>
    </message>
    <message>
        <source>可用深度 (mm)</source>
        <translation>Available depth (mm)</translation>
    </message>
    <message>
        <source>drum: (A - B) / 2</source>
        <translation>drum: (A - B) / 2</translation>
    </message>
    <message>
        <source>可用宽度 (mm)</source>
        <translation>Available width (mm)</translation>
    </message>
    <message>
        <source>drum: F; rod: B, along the rod</source>
        <translation>drum: F; rod: B, along the rod</translation>
    </message>
    <message>
        <source>绕得下</source>
        <translation>Fits</translation>
    </message>
    <message>
        <source>whole layers within the available width and depth</source>
        <translation>whole layers within the available width and depth</translation>
    </message>
    <message>
        <source>可绕最大线规</source>
        <translation>Largest fitting wire</translation>
    </message>
    <message>
        <source>largest size of the series that fits, when the standard wire does not: turns per layer x layers</source>
        <translation>largest size of the series that fits, when the standard wire does not: turns per layer x layers</translation>
    </message>
    <message>
        <source>线长 (m)</source>
        <translation>Wire length (m)</translation>
    </message>
    <message>
        <source>standard wire: turns x pi x mean diameter, layer by layer</source>
        <translation>standard wire: turns x pi x mean diameter, layer by layer</translation>
    </message>
    <message>
        <source>R20 (Ω)</source>
        <translation>R20 (Ω)</translation>
    </message>
    <message>
        <source>resistance at %1 °C, 1/%2 ohm mm²/m</source>
        <translation>resistance at %1 °C, 1/%2 ohm mm²/m</translation>
    </message>
    <message>
        <source>R(T) (Ω)</source>
        <translation>R(T) (Ω)</translation>
    </message>
    <message>
        <source>铜重 (g)</source>
        <translation>Copper (g)</translation>
    </message>
    <message>
        <source>copper mass, %1 g/cm³</source>
        <translation>copper mass, %1 g/cm³</translation>
    </message>
    <message>
        <source>整数圈电感 (uH)</source>
        <translation>L at whole turns (uH)</translation>
    </message>
    <message>
        <source>AL x whole turns² / 1000</source>
        <translation>AL x whole turns² / 1000</translation>
    </message>
    <message>
        <source>电感范围 (uH)</source>
        <translation>L range (uH)</translation>
    </message>
    <message>
        <source>L at whole turns for AL at the low and the high end</source>
        <translation>L at whole turns for AL at the low and the high end</translation>
    </message>
    <message>
        <source>圈数 AL低/高</source>
        <translation>Turns at AL low/high</translation>
    </message>
    <message>
        <source>turns the wanted L needs at the low / high end of AL</source>
        <translation>turns the wanted L needs at the low / high end of AL</translation>
    </message>
    <message>
        <source>饱和电流 (A)</source>
        <translation>Saturation current (A)</translation>
    </message>
    <message>
        <source>saturation current Isat = Bs x whole turns x Ae / L at whole turns</source>
        <translation>saturation current Isat = Bs x whole turns x Ae / L at whole turns</translation>
    </message>
    <message>
        <source>电流与温升 (current rating; estimates)</source>
        <translation>Current rating (estimates)</translation>
    </message>
    <message>
        <source>/层 × </source>
        <translation>/layer × </translation>
    </message>
    <message>
        <source> 层</source>
        <translation> layers</translation>
    </message>
    <message>
        <source>, as shown</source>
        <translation>, as shown</translation>
    </message>
    <message>
        <source>drum: %1; rod: not used</source>
        <translation>drum: %1; rod: not used</translation>
    </message>
    <message>
        <source>drum: %1; rod: %2</source>
        <translation>drum: %1; rod: %2</translation>
    </message>
    <message>
        <source>%1: rod core; any other text: drum core</source>
        <translation>%1: rod core; any other text: drum core</translation>
    </message>
    <message>
        <source>resistance at the temperature set above, or with a current at the heat balance&apos;s, %1 /K</source>
        <translation>resistance at the temperature set above, or with a current at the heat balance&apos;s, %1 /K</translation>
    </message>
    <message>
        <source>用作AL</source>
        <translation>Use as AL</translation>
    </message>
    <message>
        <source>Write the shape&apos;s AL into the main window&apos;s AL field (one decimal), as the calibration does; Enter in 电感量 then recomputes the turns from it</source>
        <translation>Write the shape&apos;s AL into the main window&apos;s AL field (one decimal), as the calibration does; Enter in L then recomputes the turns from it</translation>
    </message>
    <message>
        <source> — 但尺寸不可能 (but the core&apos;s shape is impossible: no figure)</source>
        <translation> — but the core&apos;s shape is impossible: no figure</translation>
    </message>
</context>
<context>
    <name>Front</name>
    <message>
        <source>coilwind — 工字电感圈数计算器</source>
        <translation>coilwind — drum-core inductor turns calculator</translation>
    </message>
    <message>
        <source>绕线详情 (winding details)</source>
        <translation>Winding details</translation>
    </message>
    <message>
        <source>绕线详情 (winding details) — coilwind</source>
        <translation>Winding details — coilwind</translation>
    </message>
    <message>
        <source>磁心图片 (core picture)</source>
        <translation>Core picture</translation>
    </message>
    <message>
        <source>无法读取图片 %1 (cannot read the picture)</source>
        <translation>Cannot read the picture %1</translation>
    </message>
    <message>
        <source>磁心类型 (core type)</source>
        <translation>Core type</translation>
    </message>
    <message>
        <source>What became of the last click on 计算 or Enter in the main window</source>
        <translation>What became of the last click on Calculate or Enter in the main window</translation>
    </message>
    <message>
        <source>主窗口的输入 (read from the main window)</source>
        <translation>Read from the main window</translation>
    </message>
    <message>
        <source>The inputs as the last calculation read them and the results as the main window shows them, read by the leading-number rule</source>
        <translation>The inputs as the last calculation read them and the results as the main window shows them, read by the leading-number rule</translation>
    </message>
    <message>
        <source>设置 (settings)</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>详情计算 (this window&apos;s own figures)</source>
        <translation>This window&apos;s own figures</translation>
    </message>
    <message>
        <source>Computed here from the fields and the settings; not the main window&apos;s results</source>
        <translation>Computed here from the fields and the settings; not the main window&apos;s results</translation>
    </message>
    <message>
        <source>截面图 (to scale; 红色: beyond the depth)</source>
        <translation>Section (to scale; red: beyond the depth)</translation>
    </message>
    <message>
        <source>Half-section of the winding: each turn of the standard wire as a circle, layer by layer; red: beyond the available depth</source>
        <translation>Half-section of the winding: each turn of the standard wire as a circle, layer by layer; red: beyond the available depth</translation>
    </message>
    <message>
        <source>绕线截面图 (to-scale cross-section of the winding)</source>
        <translation>To-scale cross-section of the winding</translation>
    </message>
    <message>
        <source>无截面图 (nothing to draw: see why above)</source>
        <translation>Nothing to draw: see why above</translation>
    </message>
    <message>
        <source>校准 AL (from a test coil: AL = 1000 L / N²)</source>
        <translation>Calibrate AL from a test coil: AL = 1000 L / N²</translation>
    </message>
    <message>
        <source>实测电感 (uH)</source>
        <translation>Measured L (uH)</translation>
    </message>
    <message>
        <source>Inductance measured on the test coil, uH</source>
        <translation>Inductance measured on the test coil, uH</translation>
    </message>
    <message>
        <source>圈数</source>
        <translation>Turns</translation>
    </message>
    <message>
        <source>Turns of the test coil</source>
        <translation>Turns of the test coil</translation>
    </message>
    <message>
        <source>用作AL</source>
        <translation>Use as AL</translation>
    </message>
    <message>
        <source>Write the AL of the test coil into the main window&apos;s AL field (one decimal)</source>
        <translation>Write the AL of the test coil into the main window&apos;s AL field (one decimal)</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Copy the whole design as plain text for a lab notebook (Ctrl+C)</source>
        <translation>Copy the whole design as plain text for a lab notebook (Ctrl+C)</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Close the details; nothing changes (Esc)</source>
        <translation>Close the details; nothing changes (Esc)</translation>
    </message>
    <message>
        <source>绕线详情 (F2)</source>
        <translation>Winding details (F2)</translation>
    </message>
    <message>
        <source>Winding details beside the window (F2)</source>
        <translation>Winding details beside the window (F2)</translation>
    </message>
    <message>
        <source>语言 (language)</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>CSV:</source>
        <translation>CSV:</translation>
    </message>
    <message>
        <source>Run a CSV table of designs through the calculator, as coilwind-batch does; nothing leaves this computer</source>
        <translation>Run a CSV table of designs through the calculator, as coilwind-batch does; nothing leaves this computer</translation>
    </message>
    <message>
        <source>CSV 进度 (progress)</source>
        <translation>CSV progress</translation>
    </message>
    <message>
        <source>下载结果 (download the results)</source>
        <translation>Download the results</translation>
    </message>
    <message>
        <source>Language of the window&apos;s texts: %1.</source>
        <translation>Language of the window&apos;s texts: %1.</translation>
    </message>
    <message>
        <source>code</source>
        <translation>code</translation>
    </message>
    <message>
        <source>unknown language &quot;%1&quot;; the choices are %2</source>
        <translation>unknown language &quot;%1&quot;; the choices are %2</translation>
    </message>
    <message>
        <source>或拖放到这里 (or drop the file here)</source>
        <translation>or drop the file here</translation>
    </message>
    <message>
        <source>再次运行 (run again)</source>
        <translation>Run again</translation>
    </message>
    <message>
        <source>Run the same file again, with the settings as they are now</source>
        <translation>Run the same file again, with the settings as they are now</translation>
    </message>
    <message>
        <source>取消 (cancel)</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Stop the table that is running</source>
        <translation>Stop the table that is running</translation>
    </message>
    <message>
        <source>%1: %2 行已读 (rows read), %3 已算 (computed), %4 出错 (in error)</source>
        <translation>%1: %2 rows read, %3 computed, %4 in error</translation>
    </message>
    <message>
        <source>: see the error column</source>
        <translation>: see the error column</translation>
    </message>
    <message>
        <source>; %1 KB in %2 s</source>
        <translation>; %1 KB in %2 s</translation>
    </message>
    <message>
        <source>已取消 (cancelled)</source>
        <translation>Cancelled</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Ctrl+O; or drop a .coilwind file on the page</source>
        <translation>Ctrl+O; or drop a .coilwind file on the page</translation>
    </message>
    <message>
        <source>usage: coilwind --sheet OUT.pdf [--paper a4|letter] [DESIGN.coilwind]</source>
        <translation>usage: coilwind --sheet OUT.pdf [--paper a4|letter] [DESIGN.coilwind]</translation>
    </message>
    <message>
        <source>--paper takes a4 or letter, not &quot;%1&quot;</source>
        <translation>--paper takes a4 or letter, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>cannot paint the page</source>
        <translation>cannot paint the page</translation>
    </message>
    <message>
        <source>cannot finish the page</source>
        <translation>cannot finish the page</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>cannot write %1</translation>
    </message>
    <message>
        <source>the picture is cut off</source>
        <translation>the picture is cut off</translation>
    </message>
    <message>
        <source>cannot keep the recent designs in %1: %2</source>
        <translation>cannot keep the recent designs in %1: %2</translation>
    </message>
    <message>
        <source>What the main window read differently from what was typed, or could not compute, at the last calculation</source>
        <translation>What the main window read differently from what was typed, or could not compute, at the last calculation</translation>
    </message>
</context>
<context>
    <name>InputCheck</name>
    <message>
        <source>空白读作 0</source>
        <translation>Empty, read as 0</translation>
    </message>
    <message>
        <source>不是数字, 读作 0</source>
        <translation>Not a number, read as 0</translation>
    </message>
    <message>
        <source>全角字符</source>
        <translation>Full-width characters</translation>
    </message>
    <message>
        <source>逗号不是小数点</source>
        <translation>Decimal comma</translation>
    </message>
    <message>
        <source>只读了一部分</source>
        <translation>Read in part</translation>
    </message>
    <message>
        <source>单位只是注释</source>
        <translation>The unit is only a note</translation>
    </message>
    <message>
        <source>不是 R CORE</source>
        <translation>Not R CORE</translation>
    </message>
    <message>
        <source>按工字磁心计算</source>
        <translation>Computed as a drum core</translation>
    </message>
    <message>
        <source>须大于 0</source>
        <translation>Must be above 0</translation>
    </message>
    <message>
        <source>不可能的尺寸</source>
        <translation>Impossible shape</translation>
    </message>
    <message>
        <source>AL 取整</source>
        <translation>AL rounding</translation>
    </message>
    <message>
        <source>计算中止</source>
        <translation>Calculation stopped</translation>
    </message>
    <message>
        <source>旧设计的结果</source>
        <translation>Results of an earlier design</translation>
    </message>
    <message>
        <source> results of an earlier design (other inputs, another core type, or a stopped calculation): %1 computes them anew</source>
        <translation> results of an earlier design (other inputs, another core type, or a stopped calculation): %1 computes them anew</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>棒形磁心：直径A，长度B (rod core: diameter A, length B)</source>
        <translation>Rod core: diameter A, length B</translation>
    </message>
    <message>
        <source>工字磁心：外径A，中柱B，长D，幅宽F (drum core: outer diameter A, centre post B, length D, winding width F)</source>
        <translation>Drum core: outer diameter A, centre post B, length D, winding width F</translation>
    </message>
    <message>
        <source>棒形电感 (wound rod-core inductor)</source>
        <translation>Wound rod-core inductor</translation>
    </message>
    <message>
        <source>工字电感 (wound drum-core inductor)</source>
        <translation>Wound drum-core inductor</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>%1 (field %2): </source>
        <translation>%1 (field %2): </translation>
    </message>
    <message>
        <source>   [results of an earlier design]</source>
        <translation>   [results of an earlier design]</translation>
    </message>
    <message>
        <source>coilwind winding design

Last calculation
</source>
        <translation>coilwind winding design

Last calculation
</translation>
    </message>
    <message>
        <source>
Main window, fields as shown
</source>
        <translation>
Main window, fields as shown
</translation>
    </message>
    <message>
        <source>core type: %1</source>
        <translation>core type: %1</translation>
    </message>
    <message>
        <source>
Main window, results as shown
</source>
        <translation>
Main window, results as shown
</translation>
    </message>
    <message>
        <source>
Winding details (figures of their own, from the inputs as read below)
</source>
        <translation>
Winding details (figures of their own, from the inputs as read below)
</translation>
    </message>
    <message>
        <source>settings: %1; %2; %3; %4</source>
        <translation>settings: %1; %2; %3; %4</translation>
    </message>
    <message>
        <source>AL tolerance ±</source>
        <translation>AL tolerance ±</translation>
    </message>
    <message>
        <source> inputs read
</source>
        <translation> inputs read
</translation>
    </message>
    <message>
        <source> figures
</source>
        <translation> figures
</translation>
    </message>
    <message>
        <source>why a figure is missing: %1</source>
        <translation>why a figure is missing: %1</translation>
    </message>
    <message>
        <source>
Input check (the main window&apos;s fields as that calculation read them)
</source>
        <translation>
Input check (the main window&apos;s fields as that calculation read them)
</translation>
    </message>
    <message>
        <source>error: %1</source>
        <translation>error: %1</translation>
    </message>
    <message>
        <source>note: %1</source>
        <translation>note: %1</translation>
    </message>
    <message>
        <source>Current rating (%1)</source>
        <translation>Current rating (%1)</translation>
    </message>
</context>
<context>
    <name>Section</name>
    <message>
        <source>↑ 绕组厚度</source>
        <translation>↑ build</translation>
    </message>
    <message>
        <source>中柱 B</source>
        <translation>post B</translation>
    </message>
    <message>
        <source>磁棒 A</source>
        <translation>rod A</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>%1 %2, not %3</source>
        <translation>%1 %2, not %3</translation>
    </message>
    <message>
        <source>%1 refused (%2)</source>
        <translation>%1 refused (%2)</translation>
    </message>
    <message>
        <source>AL 容差 ± (%)</source>
        <translation>AL tolerance ± (%)</translation>
    </message>
    <message>
        <source>Tolerance of AL, plus or minus percent</source>
        <translation>Tolerance of AL, plus or minus percent</translation>
    </message>
    <message>
        <source>工作温度 (°C)</source>
        <translation>Temperature (°C)</translation>
    </message>
    <message>
        <source>Operating temperature for the hot resistance, °C</source>
        <translation>Operating temperature for the hot resistance, °C</translation>
    </message>
    <message>
        <source>饱和磁通 Bs (mT)</source>
        <translation>Saturation flux Bs (mT)</translation>
    </message>
    <message>
        <source>Saturation flux density of the core material, mT</source>
        <translation>Saturation flux density of the core material, mT</translation>
    </message>
    <message>
        <source>直流电流 (A)</source>
        <translation>DC current (A)</translation>
    </message>
    <message>
        <source>DC current through the winding; empty: no current rating. With a current the heat balance gives the working temperature</source>
        <translation>DC current through the winding; empty: no current rating. With a current the heat balance gives the working temperature</translation>
    </message>
    <message>
        <source>纹波电流 峰峰 (A)</source>
        <translation>Ripple current p-p (A)</translation>
    </message>
    <message>
        <source>Ripple current peak to peak, a triangle</source>
        <translation>Ripple current peak to peak, a triangle</translation>
    </message>
    <message>
        <source>开关频率 (kHz)</source>
        <translation>Switching frequency (kHz)</translation>
    </message>
    <message>
        <source>Switching frequency of the ripple, kHz</source>
        <translation>Switching frequency of the ripple, kHz</translation>
    </message>
    <message>
        <source>环境温度 (°C)</source>
        <translation>Ambient temperature (°C)</translation>
    </message>
    <message>
        <source>Ambient temperature, °C</source>
        <translation>Ambient temperature, °C</translation>
    </message>
    <message>
        <source>漆包线耐热等级 (°C)</source>
        <translation>Enamel thermal class (°C)</translation>
    </message>
    <message>
        <source>Thermal class of the wire&apos;s enamel (IEC 60085), °C</source>
        <translation>Thermal class of the wire&apos;s enamel (IEC 60085), °C</translation>
    </message>
    <message>
        <source>%1; accepted %2</source>
        <translation>%1; accepted %2</translation>
    </message>
    <message>
        <source>• 不在范围内 (refused): %1</source>
        <translation>• Refused: %1</translation>
    </message>
    <message>
        <source>线规系列</source>
        <translation>Wire series</translation>
    </message>
    <message>
        <source>Series of enamelled copper wire the standard wire is taken from</source>
        <translation>Series of enamelled copper wire the standard wire is taken from</translation>
    </message>
</context>
<context>
    <name>Shape</name>
    <message>
        <source>rod model</source>
        <translation>rod model</translation>
    </message>
    <message>
        <source>drum model</source>
        <translation>drum model</translation>
    </message>
    <message>
        <source>%1 %2 to %3</source>
        <translation>%1 %2 to %3</translation>
    </message>
    <message>
        <source>形状 AL (nH/N2)</source>
        <translation>Shape AL (nH/N2)</translation>
    </message>
    <message>
        <source>AL from the core&apos;s shape, with the band of errors its validation measured</source>
        <translation>AL from the core&apos;s shape, with the band of errors its validation measured</translation>
    </message>
    <message>
        <source>AL 范围 (nH/N2)</source>
        <translation>AL range (nH/N2)</translation>
    </message>
    <message>
        <source>the AL the band allows: AL / (1 + highest error) to AL / (1 + lowest error)</source>
        <translation>the AL the band allows: AL / (1 + highest error) to AL / (1 + lowest error)</translation>
    </message>
    <message>
        <source>形状圈数</source>
        <translation>Shape turns</translation>
    </message>
    <message>
        <source>turns the wanted inductance needs with the shape&apos;s AL; in brackets, with the band&apos;s highest and lowest AL</source>
        <translation>turns the wanted inductance needs with the shape&apos;s AL; in brackets, with the band&apos;s highest and lowest AL</translation>
    </message>
    <message>
        <source>AL 比 (形状/快速)</source>
        <translation>AL ratio (shape/quick)</translation>
    </message>
    <message>
        <source>the shape&apos;s AL over the main window&apos;s formula (unrounded) for the same core</source>
        <translation>the shape&apos;s AL over the main window&apos;s formula (unrounded) for the same core</translation>
    </message>
    <message>
        <source>有效磁导率</source>
        <translation>Effective permeability</translation>
    </message>
    <message>
        <source>AL x winding length / (µ0 x the ferrite section under the winding); rod: µrod = µ / (1 + N (µ - 1))</source>
        <translation>AL x winding length / (µ0 x the ferrite section under the winding); rod: µrod = µ / (1 + N (µ - 1))</translation>
    </message>
    <message>
        <source>模型上下限 (nH/N2)</source>
        <translation>Model bounds (nH/N2)</translation>
    </message>
    <message>
        <source>drum: AL with the air return over the length D and over the winding width F; the model lies between</source>
        <translation>drum: AL with the air return over the length D and over the winding width F; the model lies between</translation>
    </message>
    <message>
        <source>超出模型范围 (outside the %1&apos;s range): %2</source>
        <translation>Outside the %1&apos;s range: %2</translation>
    </message>
    <message>
        <source>⚠ 两个 AL 相差超过 %1 %: 主窗口公式的 AL 是形状估计的 %2 倍 (the two AL figures differ by more than %1 %: the main window&apos;s AL is %2 times the %3&apos;s; the main window&apos;s formula treats the core as a closed ring of the material, while an open core&apos;s flux returns through air)</source>
        <translation>⚠ The two AL figures differ by more than %1 %: the main window&apos;s AL is %2 times the %3&apos;s; the main window&apos;s formula treats the core as a closed ring of the material, while an open core&apos;s flux returns through air</translation>
    </message>
    <message>
        <source>⚠ 两个 AL 相差超过 %1 %: 形状估计是主窗口公式 AL 的 %2 倍 (the two AL figures differ by more than %1 %: the %3&apos;s AL is %2 times the main window&apos;s; the main window&apos;s formula treats the core as a closed ring of the material, while an open core&apos;s flux returns through air)</source>
        <translation>⚠ The two AL figures differ by more than %1 %: the %3&apos;s AL is %2 times the main window&apos;s; the main window&apos;s formula treats the core as a closed ring of the material, while an open core&apos;s flux returns through air</translation>
    </message>
    <message>
        <source>棒形磁心的第二估计 (second opinion from the rod&apos;s shape)</source>
        <translation>Second opinion from the rod&apos;s shape</translation>
    </message>
    <message>
        <source>A rod&apos;s flux returns through air: its effective permeability µrod depends on its length over its diameter (demagnetising factor of a prolate spheroid, J. A. Osborn 1945, as in Fair-Rite&apos;s rod chart; valid for %1). The main window&apos;s formula is not changed by it.</source>
        <translation>A rod&apos;s flux returns through air: its effective permeability µrod depends on its length over its diameter (demagnetising factor of a prolate spheroid, J. A. Osborn 1945, as in Fair-Rite&apos;s rod chart; valid for %1). The main window&apos;s formula is not changed by it.</translation>
    </message>
    <message>
        <source>工字磁心的第二估计 (second opinion from the drum&apos;s shape)</source>
        <translation>Second opinion from the drum&apos;s shape</translation>
    </message>
    <message>
        <source>A drum&apos;s flux returns through air, so its AL levels off as µ grows: the ferrite&apos;s reluctance in series with the air return of the drum&apos;s envelope (demagnetising factor of a spheroid, J. A. Osborn 1945; valid for %1). The main window&apos;s formula is not changed by it.</source>
        <translation>A drum&apos;s flux returns through air, so its AL levels off as µ grows: the ferrite&apos;s reluctance in series with the air return of the drum&apos;s envelope (demagnetising factor of a spheroid, J. A. Osborn 1945; valid for %1). The main window&apos;s formula is not changed by it.</translation>
    </message>
    <message>
        <source>误差带 (band) %1: measured against %2</source>
        <translation>Band %1: measured against %2</translation>
    </message>
    <message>
        <source>形状模型没有 AL, 未写入 (the shape model gives no AL for this core: see why above)</source>
        <translation>The shape model gives no AL for this core, nothing was written: see why above</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>field %1</source>
        <translation>field %1</translation>
    </message>
    <message>
        <source>field %1, %2</source>
        <translation>field %1, %2</translation>
    </message>
    <message>
        <source>尚未计算 (no calculation yet: the figures follow the fields as they stand)</source>
        <translation>No calculation yet: the figures follow the fields as they stand</translation>
    </message>
    <message>
        <source>Enter in %1</source>
        <translation>Enter in %1</translation>
    </message>
    <message>
        <source>计算 button</source>
        <translation>Calculate button</translation>
    </message>
    <message>
        <source>计算中止 at %1: %2 — %3</source>
        <translation>Calculation stopped at %1: %2 — %3</translation>
    </message>
    <message>
        <source>计算完成 (completed): %1 — %2</source>
        <translation>Calculation completed: %1 — %2</translation>
    </message>
    <message>
        <source>core type</source>
        <translation>core type</translation>
    </message>
    <message>
        <source>输入已改 (changed since the last calculation): %1. 以下数字属于上次计算时的字段 (the figures belong to the fields as they were at that calculation; 计算 recomputes them)</source>
        <translation>Changed since the last calculation: %1. The figures belong to the fields as they were at that calculation; Calculate recomputes them.</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>使用时。每输入一个参数后直接回车就可以进入下一个参数的输入。</source>
        <translation>How to use: after each value, press Enter to go on to the next one.</translation>
    </message>
    <message>
        <source>INDUCTANCE</source>
        <translation>INDUCTANCE</translation>
    </message>
    <message>
        <source>CORE</source>
        <translation>CORE</translation>
    </message>
    <message>
        <source>工字电感 棒型电感圈数快速计算</source>
        <translation>Drum and rod inductors: quick turns calculation</translation>
    </message>
    <message>
        <source>不要点，这是广告。</source>
        <translation>Don&apos;t click, this is an advert.</translation>
    </message>
    <message>
        <source>电感参数</source>
        <translation>Inductance</translation>
    </message>
    <message>
        <source>电感量 (uH)</source>
        <translation>L (uH)</translation>
    </message>
    <message>
        <source>AL (nH/N2)</source>
        <translation>AL (nH/N2)</translation>
    </message>
    <message>
        <source>磁导率Ue</source>
        <translation>Perm. Ue</translation>
    </message>
    <message>
        <source>磁心尺寸</source>
        <translation>Core dimensions</translation>
    </message>
    <message>
        <source>厂家</source>
        <translation>Mfr.</translation>
    </message>
    <message>
        <source>针距</source>
        <translation>P</translation>
    </message>
    <message>
        <source>针长</source>
        <translation>Pin H</translation>
    </message>
    <message>
        <source>长D</source>
        <translation>Len D</translation>
    </message>
    <message>
        <source>幅宽F</source>
        <translation>Wid F</translation>
    </message>
    <message>
        <source>E</source>
        <translation>E</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>中柱B</source>
        <translation>Post B</translation>
    </message>
    <message>
        <source>外径A</source>
        <translation>OD A</translation>
    </message>
    <message>
        <source>规格型号</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>结果</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>铜重(g)</source>
        <translation>Cu (g)</translation>
    </message>
    <message>
        <source>DCR-max. (Ω)</source>
        <translation>DCR-max. (Ω)</translation>
    </message>
    <message>
        <source>最大线径(mm)</source>
        <translation>Wire (mm)</translation>
    </message>
    <message>
        <source>圈数</source>
        <translation>Turns</translation>
    </message>
    <message>
        <source>计算</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>这是广告</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>联系我们</source>
        <translation>Contact us</translation>
    </message>
    <message>
        <source>意见反馈</source>
        <translation>Feedback</translation>
    </message>
</context>
</TS>
