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
        <source>AL = %1 nH/N2 已写入 (written to AL). Enter in 电感量 recomputes the turns; 计算 recomputes AL from 磁导率Ue.</source>
        <translation>AL = %1 nH/N2 written to AL. Enter in Inductance recomputes the turns; Calculate recomputes AL from Permeability Ue.</translation>
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
</context>
<context>
    <name>Details</name>
    <message>
        <source>%1, %2/层 × %3 层</source>
        <translation>%1, %2/layer × %3 layers</translation>
    </message>
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
        <source>R CORE: rod core; any other text: drum core</source>
        <translation>R CORE: rod core; any other text: drum core</translation>
    </message>
    <message>
        <source>外径A (mm)</source>
        <translation>Outer A (mm)</translation>
    </message>
    <message>
        <source>drum: flange diameter; rod: rod diameter</source>
        <translation>drum: flange diameter; rod: rod diameter</translation>
    </message>
    <message>
        <source>中柱B (mm)</source>
        <translation>Post B (mm)</translation>
    </message>
    <message>
        <source>drum: centre-post diameter; rod: rod length</source>
        <translation>drum: centre-post diameter; rod: rod length</translation>
    </message>
    <message>
        <source>幅宽F (mm)</source>
        <translation>Width F (mm)</translation>
    </message>
    <message>
        <source>drum: winding width between the flanges; rod: not used</source>
        <translation>drum: winding width between the flanges; rod: not used</translation>
    </message>
    <message>
        <source>AL (nH/N2)</source>
        <translation>AL (nH/N2)</translation>
    </message>
    <message>
        <source>inductance factor as shown</source>
        <translation>inductance factor as shown</translation>
    </message>
    <message>
        <source>电感量 (uH)</source>
        <translation>Inductance (uH)</translation>
    </message>
    <message>
        <source>wanted inductance</source>
        <translation>wanted inductance</translation>
    </message>
    <message>
        <source>圈数</source>
        <translation>Turns</translation>
    </message>
    <message>
        <source>turns as shown, not whole</source>
        <translation>turns as shown, not whole</translation>
    </message>
    <message>
        <source>最大线径 (mm)</source>
        <translation>Largest wire (mm)</translation>
    </message>
    <message>
        <source>largest wire diameter that fits, as shown</source>
        <translation>largest wire diameter that fits, as shown</translation>
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
        <source>resistance at the temperature set above, %1 /K</source>
        <translation>resistance at the temperature set above, %1 /K</translation>
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
        <source>棒有效磁导率</source>
        <translation>Rod permeability</translation>
    </message>
    <message>
        <source>µrod = µ / (1 + N (µ - 1)), N of the spheroid of the rod&apos;s length / diameter</source>
        <translation>µrod = µ / (1 + N (µ - 1)), N of the spheroid of the rod&apos;s length / diameter</translation>
    </message>
    <message>
        <source>棒形 AL (nH/N2)</source>
        <translation>Rod AL (nH/N2)</translation>
    </message>
    <message>
        <source>µ0 µrod π (A/2)² / B: winding spread over the whole rod</source>
        <translation>µ0 µrod π (A/2)² / B: winding spread over the whole rod</translation>
    </message>
    <message>
        <source>棒形圈数</source>
        <translation>Rod turns</translation>
    </message>
    <message>
        <source>turns the wanted inductance needs with that AL</source>
        <translation>turns the wanted inductance needs with that AL</translation>
    </message>
    <message>
        <source>AL 比 (棒形/快速)</source>
        <translation>AL ratio (rod/quick)</translation>
    </message>
    <message>
        <source>the shape&apos;s AL over the main window&apos;s formula (unrounded) for the same rod</source>
        <translation>the shape&apos;s AL over the main window&apos;s formula (unrounded) for the same rod</translation>
    </message>
    <message>
        <source>超出模型范围 (outside the rod model&apos;s range): %1</source>
        <translation>Outside the rod model&apos;s range: %1</translation>
    </message>
    <message>
        <source>; this rod: length / diameter %1, µ %2</source>
        <translation>; this rod: length / diameter %1, µ %2</translation>
    </message>
    <message>
        <source>⚠ 两个 AL 相差超过 %1 %: 主窗口公式的 AL 是棒形估计的 %2 倍 (the two AL figures differ by more than %1 %: the main window&apos;s AL is %2 times the rod model&apos;s; the main window&apos;s formula treats the rod as a closed ring of the material, while a rod&apos;s flux returns through air)</source>
        <translation>⚠ The two AL figures differ by more than %1 %: the main window&apos;s AL is %2 times the rod model&apos;s. The main window&apos;s formula treats the rod as a closed ring of the material, while a rod&apos;s flux returns through air.</translation>
    </message>
    <message>
        <source>⚠ 两个 AL 相差超过 %1 %: 棒形估计是主窗口公式 AL 的 %2 倍 (the two AL figures differ by more than %1 %: the rod model&apos;s AL is %2 times the main window&apos;s; the main window&apos;s formula treats the rod as a closed ring of the material, while a rod&apos;s flux returns through air)</source>
        <translation>⚠ The two AL figures differ by more than %1 %: the rod model&apos;s AL is %2 times the main window&apos;s. The main window&apos;s formula treats the rod as a closed ring of the material, while a rod&apos;s flux returns through air.</translation>
    </message>
    <message>
        <source>A rod&apos;s flux returns through air: its effective permeability µrod depends on its length over its diameter (demagnetising factor of a prolate spheroid, J. A. Osborn 1945, as in Fair-Rite&apos;s rod chart; valid for length/diameter %1 to %2 and µ %3 to %4). The main window&apos;s formula is not changed by it.</source>
        <translation>A rod&apos;s flux returns through air: its effective permeability µrod depends on its length over its diameter (demagnetising factor of a prolate spheroid, J. A. Osborn 1945, as in Fair-Rite&apos;s rod chart; valid for length/diameter %1 to %2 and µ %3 to %4). The main window&apos;s formula is not changed by it.</translation>
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
        <source>线规系列</source>
        <translation>Wire series</translation>
    </message>
    <message>
        <source>Series of enamelled copper wire the standard wire is taken from</source>
        <translation>Series of enamelled copper wire the standard wire is taken from</translation>
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
        <source>%1; accepted %2</source>
        <translation>%1; accepted %2</translation>
    </message>
    <message>
        <source>• 不在范围内 (refused): %1</source>
        <translation>• Refused: %1</translation>
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
        <source>棒形磁心的第二估计 (second opinion from the rod&apos;s shape)</source>
        <translation>Second opinion from the rod&apos;s shape</translation>
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
        <source>%1 KB in %2 s</source>
        <translation>%1 KB in %2 s</translation>
    </message>
    <message>
        <source>; some rows have an error (see the error column)</source>
        <translation>; some rows have an error (see the error column)</translation>
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
        <source>core model</source>
        <translation>core model</translation>
    </message>
    <message>
        <source>A, mm</source>
        <translation>A, mm</translation>
    </message>
    <message>
        <source>B, mm</source>
        <translation>B, mm</translation>
    </message>
    <message>
        <source>C, mm</source>
        <translation>C, mm</translation>
    </message>
    <message>
        <source>D, mm</source>
        <translation>D, mm</translation>
    </message>
    <message>
        <source>E, mm</source>
        <translation>E, mm</translation>
    </message>
    <message>
        <source>F, mm</source>
        <translation>F, mm</translation>
    </message>
    <message>
        <source>pin length, mm</source>
        <translation>pin length, mm</translation>
    </message>
    <message>
        <source>pin pitch, mm</source>
        <translation>pin pitch, mm</translation>
    </message>
    <message>
        <source>maker</source>
        <translation>maker</translation>
    </message>
    <message>
        <source>permeability ue</source>
        <translation>permeability ue</translation>
    </message>
    <message>
        <source>wanted inductance, uH</source>
        <translation>wanted inductance, uH</translation>
    </message>
    <message>
        <source>AL, nH/N2</source>
        <translation>AL, nH/N2</translation>
    </message>
    <message>
        <source>turns</source>
        <translation>turns</translation>
    </message>
    <message>
        <source>largest wire diameter, mm</source>
        <translation>largest wire diameter, mm</translation>
    </message>
    <message>
        <source>DCR-max., ohm</source>
        <translation>DCR-max., ohm</translation>
    </message>
    <message>
        <source>copper weight, g</source>
        <translation>copper weight, g</translation>
    </message>
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
Second opinion from the rod&apos;s shape (rod permeability, Osborn 1945; Fair-Rite&apos;s rod chart)
</source>
        <translation>
Second opinion from the rod&apos;s shape (rod permeability, Osborn 1945; Fair-Rite&apos;s rod chart)
</translation>
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
