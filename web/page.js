// The calculator's page: builds the window from the window description the module hands over,
// passes texts, key presses and focus to the calculator (WebAssembly) and shows what comes back.
// Plain script, no framework; no field text ever goes through innerHTML.
'use strict';

(() => {
  const encoder = new TextEncoder();
  const decoder = new TextDecoder();
  const QT_MODIFIERS = { shiftKey: 0x02000000, ctrlKey: 0x04000000, altKey: 0x08000000, metaKey: 0x10000000 };

  let module = null;
  let description = null;
  let language = ''; // the code of the language the texts are in
  const texts = new Map(); // field index -> exact text, line breaks included
  const fieldElements = new Map();
  const elements = new Map(); // control name -> element

  // --- talking to the module --------------------------------------------------------------------
  function textOf(pointer) {
    return decoder.decode(module.HEAPU8.subarray(pointer, pointer + module._coilwind_result_size()));
  }
  function withTexts(strings, run) {
    const pointers = strings.map((text) => {
      const bytes = encoder.encode(text);
      const pointer = module._malloc(bytes.length + 1);
      module.HEAPU8.set(bytes, pointer);
      return [pointer, bytes.length];
    });
    try {
      return run(...pointers.flat());
    } finally {
      pointers.forEach(([pointer]) => module._free(pointer));
    }
  }

  // --- fields: the exact text behind each input -------------------------------------------------
  // An <input> drops line feeds and carriage returns; the model keeps them, and an edit in the
  // input is applied to the model at the same place, so the characters it cannot show survive.
  const hidden = /[\r\n]/g;
  function shown(text) {
    return text.replace(hidden, '');
  }
  function applyEdit(index, value) {
    const before = texts.get(index);
    const was = shown(before);
    let start = 0;
    while (start < was.length && start < value.length && was[start] === value[start]) start++;
    let end = 0;
    while (end < was.length - start && end < value.length - start &&
           was[was.length - 1 - end] === value[value.length - 1 - end]) end++;
    // Where the shown characters stand in the model (and its end).
    const places = [];
    for (let i = 0; i < before.length; i++) if (before[i] !== '\r' && before[i] !== '\n') places.push(i);
    places.push(before.length);
    const replaced = was.length - end - start;
    const from = places[start];
    const to = replaced > 0 ? places[start + replaced - 1] + 1 : from;
    texts.set(index, before.slice(0, from) + value.slice(start, value.length - end) + before.slice(to));
  }
  function handOverTexts() {
    for (const [index, text] of texts) withTexts([text], (p, n) => module._coilwind_set_text(index, p, n));
  }
  function takeTexts() {
    for (const [index, element] of fieldElements) {
      const text = textOf(module._coilwind_text(index));
      if (text !== texts.get(index)) {
        texts.set(index, text);
        element.value = shown(text);
        element.setSelectionRange(0, 0); // a narrow field shows a result's leading digits
        element.scrollLeft = 0;
      }
    }
  }
  function coreTypeText() {
    return elements.get(description.names.coreType).value;
  }

  // --- focus: selected on Tab, Backtab, a click and the calculator's move -----------------------
  let returningWithWindow = null;
  let pressed = null;
  function bindFocus(element) {
    element.addEventListener('blur', () => {
      // The window lost the focus, not the field: coming back is no move to the field.
      returningWithWindow = document.hasFocus() ? null : element;
    });
    element.addEventListener('mousedown', () => {
      pressed = document.activeElement === element ? null : element;
    });
    element.addEventListener('focus', () => {
      if (returningWithWindow === element) {
        returningWithWindow = null;
        return;
      }
      element.select();
    });
    element.addEventListener('mouseup', (event) => {
      if (pressed === element) {
        pressed = null;
        event.preventDefault();
        element.select();
      }
    });
  }

  // Focus coming back to where it was, as a window's focus does when the window is active again:
  // a field keeps its selection.
  function giveFocusBack(element) {
    returningWithWindow = element;
    element.focus();
    returningWithWindow = null;
  }

  // --- commands ----------------------------------------------------------------------------------
  function showSummary(text) {
    if (!text) return;
    // The summary is framed and indented for a text file; a tooltip shows its lines plainly.
    const lines = text.split('\n').map((line) => line.trim()).filter((line) => line);
    elements.get(description.names.results).title = lines.join('\n') + '\n' + description.summaryHint;
    tips.note('summary', lines.join('\n'), 'en');
  }
  // After the calculate command and after Enter in a field, as the desktop's details window
  // refreshes after both.
  function afterCommand(summaryText) {
    takeTexts();
    showSummary(summaryText);
    const move = module._coilwind_focus_move();
    if (move >= 0 && fieldElements.has(move)) fieldElements.get(move).focus();
    showInputCheck();
    details.refresh();
  }
  // Under the window, for every reader (the line is a live region): what the last calculation
  // read differently from what was typed, or could not compute. The fields stay as they are.
  function showInputCheck() {
    const checks = JSON.parse(withTexts([coreTypeText()], (p, n) => textOf(module._coilwind_input_check(p, n))));
    const line = document.getElementById('input-check');
    const shown = checks.map((check) => check.text).join('\n');
    if (line.dataset.shown === shown) return; // the same words are not announced again
    line.dataset.shown = shown;
    line.replaceChildren(...checks.flatMap((check, i) => {
      const part = document.createElement('span');
      part.className = check.error ? 'error' : 'note';
      part.textContent = (check.error ? description.marks.error : description.marks.note) + check.text;
      return i === 0 ? [part] : ['\n', part];
    }));
  }
  function onCalculate() {
    performance.mark('coilwind-calculate');
    handOverTexts();
    afterCommand(withTexts([coreTypeText()], (p, n) => textOf(module._coilwind_calculate(p, n))));
    designs.noteCalculation();
    // The page's own work, style and layout included; then the frame that shows it.
    void elements.get('Form1').offsetHeight;
    performance.measure('coilwind-calculate-laid-out', 'coilwind-calculate');
    requestAnimationFrame(() => setTimeout(() => {
      performance.measure('coilwind-calculate-painted', 'coilwind-calculate');
    }));
  }
  function onFieldKey(index, event) {
    const enter = event.key === 'Enter';
    if (enter) event.preventDefault();
    let modifiers = 0;
    for (const [key, flag] of Object.entries(QT_MODIFIERS)) if (event[key]) modifiers |= flag;
    handOverTexts();
    const keyCode = enter ? 13 : event.keyCode;
    const summaryText = withTexts([coreTypeText()],
      (p, n) => textOf(module._coilwind_key_down(index, keyCode, modifiers, p, n)));
    if (enter) afterCommand(summaryText); // other keys change nothing in the calculator
    if (enter && module._coilwind_closes_stage(index)) designs.noteCalculation();
  }

  // --- the picture rule and the field help -------------------------------------------------------
  let pictureData = {};
  function coreName() {
    return withTexts([coreTypeText()], (p, n) => module._coilwind_core_type(p, n)) ? 'rod' : 'drum';
  }
  function showPicture(mode) {
    const core = coreName();
    const picture = description.pictures.find((p) => p.mode === mode && p.core === core);
    const image = elements.get(description.names.picture);
    image.src = pictureData[picture.name];
    image.alt = picture.description + description.marks.between + picture.name + '.svg';
    image.dataset.picture = picture.name;
  }
  function applyPictureRule() {
    if (elements.get(description.names.inductanceMode).checked) showPicture('inductance');
    else if (elements.get(description.names.coreMode).checked) showPicture('core');
  }
  function applyFieldHelp() {
    const help = description.help[coreName()];
    for (const [index, element] of fieldElements) {
      element.title = help[index];
      tips.note('help-' + index, help[index], 'en');
    }
    for (const label of document.querySelectorAll('label.caption')) {
      label.title = help[label.dataset.field];
    }
  }

  // --- the help by keyboard and touch -------------------------------------------------------------
  // A mouse gets the field help and the winding summary as tooltips (title), on hover. A screen
  // reader gets the same texts as descriptions (aria-describedby, English marked as English).
  // The keyboard and a finger, which cannot hover, get them in a tip: under the field that took
  // the focus, or where a frame's own surface is touched. The tip leaves with the focus, on a
  // touch elsewhere and on Esc.
  const tips = (() => {
    const notes = new Map(); // id -> hidden element holding a description
    const store = document.createElement('div');
    store.hidden = true;
    const tip = document.createElement('div');
    tip.id = 'tip';
    tip.hidden = true;
    tip.setAttribute('aria-hidden', 'true'); // a screen reader has the descriptions already
    let anchor = null;
    let at = null;
    let pointer = 'mouse'; // the page's own focus at start-up is nobody's move: no tip

    function note(id, text, lang) {
      if (!notes.has(id)) {
        const element = document.createElement('span');
        element.id = id;
        if (lang) element.lang = lang;
        notes.set(id, element);
        store.append(element);
      }
      notes.get(id).textContent = text;
      if (anchor) show(anchor, at); // a shown tip follows its texts
    }
    function describe(element, ids) {
      element.setAttribute('aria-describedby', ids.join(' '));
    }
    function hide() {
      tip.hidden = true;
      anchor = null;
    }
    function show(target, point = null) {
      const parts = (target.getAttribute('aria-describedby') || '').split(' ')
        .map((id) => notes.get(id)).filter((element) => element && element.textContent);
      if (parts.length === 0) {
        hide();
        return;
      }
      tip.replaceChildren(...parts.map((element) => {
        const part = document.createElement('p');
        part.textContent = element.textContent;
        if (element.lang) part.lang = element.lang;
        return part;
      }));
      tip.hidden = false;
      anchor = target;
      at = point;
      const box = target.getBoundingClientRect();
      const x = point ? point.x : box.left;
      const y = point ? point.y + 16 : box.bottom + 2;
      const room = document.documentElement.clientWidth;
      tip.style.left = window.scrollX + Math.max(0, Math.min(x, room - tip.offsetWidth)) + 'px';
      tip.style.top = window.scrollY + y + 'px';
    }
    function setUp(form) {
      document.body.append(store, tip);
      document.addEventListener('pointerdown', (event) => {
        pointer = event.pointerType;
        const frame = event.target.closest('.frame');
        const onSurface = frame && (event.target === frame || event.target.classList.contains('legend'));
        if (pointer !== 'mouse' && onSurface && form.contains(frame)) {
          show(frame, { x: event.clientX, y: event.clientY });
        } else if (anchor && !anchor.contains(event.target) && !tip.contains(event.target)) {
          hide();
        }
      }, true);
      document.addEventListener('keydown', (event) => {
        pointer = 'keyboard';
        if (event.key === 'Escape') hide();
      }, true);
      form.addEventListener('focusin', (event) => (pointer === 'mouse' ? hide() : show(event.target)));
      form.addEventListener('focusout', (event) => event.target === anchor && hide());
      window.addEventListener('resize', hide);
    }
    return { note, describe, setUp };
  })();

  function openLink() {
    window.open(description.linkAddress, '_blank', 'noopener');
  }

  // --- building the window -----------------------------------------------------------------------
  function place(element, control) {
    element.style.left = control.left + 'px';
    element.style.top = control.top + 'px';
    // A label that fits its caption, and the picture, take the size of what they show.
    if (!control.fitsCaption && control.kind !== 'picture') {
      element.style.width = control.width + 'px';
      element.style.height = control.height + 'px';
    }
  }
  function create(control) {
    let element;
    switch (control.kind) {
      case 'frame': {
        element = document.createElement('div');
        element.className = 'frame' + (control.ownBackground ? ' own-background' : '') +
          (control.caption ? ' titled' : '');
        element.setAttribute('role', 'group');
        if (control.caption) {
          const legend = document.createElement('span');
          legend.className = 'legend';
          legend.textContent = control.caption;
          element.append(legend);
          element.setAttribute('aria-label', control.caption);
        }
        element.title = control.toolTip;
        break;
      }
      case 'button':
        element = document.createElement('button');
        element.type = 'button';
        element.textContent = control.caption;
        // The window's zero-width button is a tab stop all the same; the page shows it while it
        // has the focus (page.css), as a focus nobody can see is lost.
        if (control.width === 0) element.classList.add('zero-width');
        break;
      case 'option': {
        element = document.createElement('label');
        element.className = 'option';
        const radio = document.createElement('input');
        radio.type = 'radio';
        radio.name = 'picture-mode';
        radio.checked = control.checked;
        radio.id = control.name;
        element.append(radio, document.createTextNode(control.caption));
        break;
      }
      case 'combo': {
        element = document.createElement('input');
        element.setAttribute('list', 'core-types');
        element.className = 'combo';
        element.spellcheck = false;
        element.autocomplete = 'off';
        element.setAttribute('aria-label', description.texts['core-type'].text);
        const list = document.createElement('datalist');
        list.id = 'core-types';
        for (const text of [description.drumCore, description.rodCore]) {
          const option = document.createElement('option');
          option.value = text;
          list.append(option);
        }
        document.body.append(list);
        element.value = description.drumCore;
        element.addEventListener('click', (event) => {
          // The arrow's 20 pixels at the right, at the window's scale (see fitWindow).
          const box = element.getBoundingClientRect();
          const arrow = (20 * box.width) / element.offsetWidth;
          if (event.clientX > box.right - arrow && element.showPicker) element.showPicker();
        });
        break;
      }
      case 'field': {
        element = document.createElement('input');
        element.className = 'field';
        element.spellcheck = false;
        element.autocomplete = 'off';
        texts.set(control.arrayIndex, control.startupText);
        element.value = shown(control.startupText);
        fieldElements.set(control.arrayIndex, element);
        element.addEventListener('input', () => {
          applyEdit(control.arrayIndex, element.value);
          details.refresh(); // an edit can make an input differ from what the last calculation read
        });
        element.addEventListener('keydown', (event) => onFieldKey(control.arrayIndex, event));
        bindFocus(element);
        break;
      }
      case 'caption':
        element = document.createElement('label');
        element.className = 'caption';
        element.textContent = control.caption;
        element.dataset.field = control.captionOf;
        element.htmlFor = 'Text1_' + control.captionOf;
        break;
      case 'link':
        // A real link, so that Tab reaches it and Enter opens it; the address still goes out
        // through openLink, as typed, and only on a primary click, as on the desktop.
        element = document.createElement('a');
        element.className = 'link';
        element.href = description.linkAddress;
        element.textContent = control.caption;
        element.addEventListener('click', (event) => {
          event.preventDefault();
          if (event.button === 0) openLink();
        });
        element.addEventListener('auxclick', (event) => event.preventDefault());
        break;
      case 'line':
        element = document.createElement('div');
        element.className = 'line';
        element.style.left = control.left + 'px';
        element.style.top = control.top + 'px';
        element.style.width = control.width - control.left + 1 + 'px';
        break;
      case 'picture':
        element = document.createElement('img');
        break;
      default:
        throw new Error('unknown control kind ' + control.kind);
    }
    if (control.kind !== 'option') element.id = control.name;
    if (control.kind !== 'line') place(element, control);
    return element;
  }

  // --- the DOM order: the window's tab order ----------------------------------------------------
  // Tab follows the DOM, and a positive tabindex would put every other focus stop of the page
  // after the window's; so the controls enter the DOM in the window's tab order, followed by the
  // links, which the desktop's Tab passes by and the page's reaches (in their own tab order).
  // Each caption goes just before its field, so that a screen reader reads caption, then field.
  // A control stays in its frame where the frame's focus stops follow one another; one that
  // breaks the run (the calculate button, first of all) moves up to the frame's parent, its
  // place made the parent's. The paint order, the description's order, is kept by z-index.
  function domPlan(controls) {
    const byName = new Map(controls.map((control) => [control.name, control]));
    const frames = (control) => { // outermost first
      const chain = [];
      for (let frame = byName.get(control.container); frame; frame = byName.get(frame.container)) chain.unshift(frame);
      return chain;
    };
    const stops = controls.filter((c) => c.tabIndex >= 0 && ['button', 'option', 'combo', 'field', 'link'].includes(c.kind))
      .sort((a, b) => (a.kind === 'link') - (b.kind === 'link') || a.tabIndex - b.tabIndex);
    const position = new Map(stops.map((control, i) => [control.name, i]));
    const runs = new Map(); // frame -> its longest run of consecutive stops, [first, last]
    for (const frame of controls.filter((c) => c.kind === 'frame')) {
      const inside = stops.flatMap((stop, i) => (frames(stop).includes(frame) ? [i] : []));
      let best = null;
      for (let start = 0, k = 0; k < inside.length; k++) {
        if (k > 0 && inside[k] !== inside[k - 1] + 1) start = k;
        if (!best || inside[k] - inside[start] > best[1] - best[0]) best = [inside[start], inside[k]];
      }
      if (best) runs.set(frame.name, best);
    }
    // The stop a control goes with (a caption with its field), and where it goes among its
    // siblings (a caption just before its field).
    const stopOf = (control) => (control.kind === 'frame' ? runs.get(control.name)?.[0]
      : position.get(control.kind === 'caption' ? 'Text1_' + control.captionOf : control.name));
    const inRun = (frame, stop) => runs.has(frame.name) && stop >= runs.get(frame.name)[0] &&
      stop <= runs.get(frame.name)[1];
    return controls.map((control, paint) => {
      const stop = stopOf(control);
      const chain = frames(control);
      let kept = chain.length;
      if (stop !== undefined) {
        kept = 0;
        while (kept < chain.length && inRun(chain[kept], stop)) kept++;
      }
      let { left, top } = control; // lines and pictures take no focus and never move
      for (const frame of chain.slice(kept)) {
        left += frame.left;
        top += frame.top;
      }
      return { control: { ...control, left, top }, parent: kept > 0 ? chain[kept - 1].name : 'Form1',
        place: stop === undefined ? Infinity : stop - (control.kind === 'caption' ? 0.5 : 0), paint: paint + 1 };
    });
  }

  function build() {
    const window_ = document.getElementById('Form1');
    window_.style.width = description.width + 'px';
    window_.style.height = description.height + 'px';
    elements.set('Form1', window_);
    const boxes = new Map([['Form1', window_]]);
    const plan = domPlan(description.controls);
    for (const { control, paint } of plan) {
      const element = create(control);
      element.style.setProperty('--paint', paint);
      boxes.set(control.name, element);
      elements.set(control.name, control.kind === 'option' ? element.firstChild : element);
    }
    for (const { control, parent } of [...plan].sort((a, b) => a.place - b.place)) {
      boxes.get(parent).append(boxes.get(control.name));
    }
    // A frame's tooltip shows over its own surface only, not over the controls inside it.
    for (const control of description.controls) {
      const frame = description.controls.find((c) => c.name === control.container);
      const element = elements.get(control.name);
      if (frame && frame.toolTip && !element.title) {
        (control.kind === 'option' ? element.parentElement : element).title = '';
      }
    }
    tips.note('summary', '', 'en'); // none before the first calculation
    for (const control of description.controls) {
      if (control.kind === 'field') {
        tips.describe(elements.get(control.name),
          ['help-' + control.arrayIndex, ...(control.container === description.names.results ? ['summary'] : [])]);
      } else if (control.name === description.names.results) {
        tips.describe(elements.get(control.name), ['summary']);
      } else if (control.kind === 'frame' && control.toolTip) {
        tips.note(control.name + '-tip', control.toolTip);
        tips.describe(elements.get(control.name), [control.name + '-tip']);
      }
    }
    tips.setUp(window_);
    elements.get(description.names.calculate).addEventListener('click', onCalculate);
    elements.get(description.names.advert).addEventListener('click', openLink);
    elements.get(description.names.coreType).addEventListener('input', () => {
      applyPictureRule();
      applyFieldHelp();
      details.refresh();
    });
    elements.get(description.names.coreMode).addEventListener('click', () => showPicture('core'));
    elements.get(description.names.inductanceMode).addEventListener('click', () => showPicture('inductance'));
    applyPictureRule();
    applyFieldHelp();
  }

  // --- the winding details -----------------------------------------------------------------------
  const details = (() => {
    // The panel's parts, built in setUp from the module's description of the details.
    let panel, inputs, figures, reasons, section, series, shape, shapeLegend, shapeLines, shapeValidation,
      shapeNote, useShapeAl, shapeMessage, status, changed, settingsMessage, measured, testTurns, message,
      checkErrors, checkNotes, currentRating, currentLines, currentWarnings;
    // The number settings' boxes, made in setUp from the module's list, in its order.
    let numbers = [];
    let charWidth = 7;
    let lineHeight = 14;
    let labelsMeasured = false;

    // Hands the settings as typed to the module; a refused one keeps its text, turns red and
    // says why, and the figures that need it stay empty with their reasons.
    function handOverSettings() {
      const refusals = JSON.parse(withTexts([numbers.map((input) => input.value + '\x1f').join('')],
        (texts, size) => textOf(module._coilwind_set_settings(series.selectedIndex, texts, size))));
      // Each refusal a line of its own, which its setting names as the reason it is invalid.
      settingsMessage.replaceChildren(...refusals.flatMap((refusal, i) => {
        const line = document.createElement('span');
        line.id = refusal.name + '-refusal';
        line.textContent = refusal.line;
        return i > 0 ? ['\n', line] : [line];
      }));
      settingsMessage.hidden = refusals.length === 0;
      for (const input of numbers) {
        const refusal = refusals.find((r) => r.name === input.id);
        input.classList.toggle('refused', Boolean(refusal));
        input.setAttribute('aria-invalid', String(Boolean(refusal)));
        if (refusal) input.setAttribute('aria-describedby', refusal.name + '-refusal');
        else input.removeAttribute('aria-describedby');
      }
    }
    function fillLines(grid, lines) {
      if (grid.childElementCount !== lines.length * 2) {
        grid.replaceChildren();
        for (const line of lines) {
          const caption = document.createElement('span');
          caption.textContent = line.caption;
          caption.title = line.english;
          const value = document.createElement('output');
          value.id = 'detail-' + line.key;
          value.title = line.english;
          grid.append(caption, value);
        }
        if (ownLanguage()) markEnglish(grid);
      }
      lines.forEach((line, i) => {
        const value = grid.children[2 * i + 1];
        value.textContent = line.value === undefined ? description.marks.noValue : line.value;
        value.setAttribute('aria-label', line.caption + description.marks.captioned + value.textContent);
      });
    }
    function refresh() {
      if (panel.hidden) return;
      handOverTexts(); // the fields as they show now, typed edits included
      handOverSettings();
      const view = JSON.parse(withTexts([coreTypeText()], (p, n) => textOf(module._coilwind_details(
        p, n, section.clientWidth || 380, 260, charWidth, lineHeight))));
      for (const [element, error] of [[checkErrors, true], [checkNotes, false]]) {
        const lines = view.checks.filter((check) => check.error === error).map((check) => description.marks.listItem + check.text);
        element.textContent = lines.join('\n');
        element.hidden = lines.length === 0;
      }
      status.textContent = view.status.outcome;
      status.classList.toggle('stopped', view.status.stopped);
      changed.textContent = view.status.changed || '';
      changed.hidden = view.status.changed === undefined;
      fillLines(inputs, view.inputs);
      fillLines(figures, view.figures);
      reasons.textContent = view.reasons.map((reason) => description.marks.listItem + reason).join('\n');
      reasons.hidden = view.reasons.length === 0;
      shape.hidden = !view.shapeApplies;
      shapeLegend.textContent = view.shapeTitle;
      shape.title = view.shapeExplanation;
      fillLines(shapeLines, view.shape);
      shapeValidation.textContent = view.shapeValidation || '';
      shapeValidation.hidden = view.shapeValidation === undefined;
      shapeNote.textContent = view.shapeNote || '';
      shapeNote.hidden = view.shapeNote === undefined;
      shapeNote.classList.toggle('warns', view.shapeWarns);
      useShapeAl.textContent = view.shapeButton;
      useShapeAl.title = view.shapeButtonTitle;
      useShapeAl.disabled = !view.shapeUsable;
      currentRating.hidden = !view.currentApplies;
      fillLines(currentLines, view.current);
      currentWarnings.textContent = view.currentWarnings.join('\n');
      currentWarnings.hidden = view.currentWarnings.length === 0;
      if (view.svg) {
        // The module's own SVG, parsed as XML into nodes: its labels are escaped there.
        const svg = new DOMParser().parseFromString(view.svg, 'image/svg+xml').documentElement;
        section.replaceChildren(document.importNode(svg, true));
      } else {
        section.textContent = description.texts['no-section'].text;
      }
    }
    function report() {
      handOverTexts();
      handOverSettings();
      return withTexts([coreTypeText()], (p, n) => textOf(module._coilwind_report(p, n)));
    }
    async function copy() {
      const text = report();
      try {
        await navigator.clipboard.writeText(text);
      } catch {
        const area = document.createElement('textarea');
        area.value = text;
        document.body.append(area);
        area.select();
        document.execCommand('copy');
        area.remove();
      }
    }
    // Shows what became of a write into field 18 and, when it was written, takes the fields back.
    function showWrite(element, text) {
      const written = module._coilwind_calibration_written() === 1;
      element.textContent = text;
      element.hidden = false;
      element.classList.toggle('fault', !written);
      if (written) {
        takeTexts();
        refresh();
      }
    }
    function calibrate() {
      handOverTexts();
      showWrite(message, withTexts([measured.value, testTurns.value],
        (a, b, c, d) => textOf(module._coilwind_calibrate(a, b, c, d))));
    }
    // The shape's AL into field 18, as the calibration writes its own.
    function useShapeAlNow() {
      handOverTexts();
      showWrite(shapeMessage, withTexts([coreTypeText()], (p, n) => textOf(module._coilwind_use_shape_al(p, n))));
    }
    // Opening moves the focus into the details, as the desktop's details window takes it;
    // closing gives it back to the control it came from, as the desktop's main window gets its
    // focus back (with the field's selection as it was).
    let opener = null;
    function show(from = document.activeElement) {
      const opening = panel.hidden;
      panel.hidden = false;
      measureLabels();
      document.getElementById('details-toggle').setAttribute('aria-expanded', 'true');
      refresh();
      if (opening) {
        opener = from;
        panel.querySelector('select, input, button, textarea, a[href]')?.focus();
      }
    }
    function hide() {
      const hadFocus = panel.contains(document.activeElement);
      panel.hidden = true;
      document.getElementById('details-toggle').setAttribute('aria-expanded', 'false');
      if (hadFocus && opener?.isConnected) giveFocusBack(opener);
      opener = null;
    }
    // The drawing's labels are monospaced: measured once, when the details first show (a
    // measurement lays the page out, which start-up need not wait for).
    function measureLabels() {
      if (labelsMeasured) return;
      labelsMeasured = true;
      const probe = document.createElement('span');
      probe.className = 'section-probe';
      probe.textContent = '0123456789';
      document.body.append(probe);
      const box = probe.getBoundingClientRect();
      charWidth = box.width / 10 || charWidth;
      lineHeight = box.height || lineHeight;
      probe.remove();
    }
    // One element of the panel: its tag, its id (none: ''), its class, and its text.
    function element(tag, id, className, text) {
      const made = document.createElement(tag);
      if (id) made.id = id;
      if (className) made.className = className;
      if (text) made.textContent = text;
      return made;
    }
    // A part's message line, hidden until it has something to say.
    function messageLine(name, look, role) {
      const line = element('p', name, look);
      line.hidden = true;
      if (role) line.setAttribute('role', role);
      return line;
    }
    // A group: a fieldset with its legend and tooltip; the figures' grid is 'details-' + its name.
    function group(part, ...children) {
      const box = element('fieldset', part.name);
      if (part.toolTip) box.title = part.toolTip;
      box.append(element('legend', '', '', part.title), ...children);
      return box;
    }
    function numberBox(setting) {
      const label = element('label', '', '', setting.caption);
      label.htmlFor = setting.name;
      label.title = setting.toolTip;
      const input = element('input', setting.name);
      input.type = 'text';
      input.value = setting.value;
      input.title = setting.toolTip;
      if (setting.optional) input.placeholder = description.marks.noValue;
      input.addEventListener('input', refresh);
      return [label, input];
    }
    // The panel, part by part, as the module describes the details: the same parts in the same
    // order as the desktop's window.
    function buildPanel(described, settings) {
      panel = document.getElementById('details');
      const built = described.parts.map((part) => {
        switch (part.kind) {
          case 'message': {
            const line = messageLine(part.name, part.look);
            if (part.toolTip) line.title = part.toolTip;
            return line;
          }
          case 'status': return Object.assign(element('p', part.name), { title: part.toolTip });
          case 'inputs':
          case 'figures': return group(part, element('div', 'details-' + part.name, 'pairs'),
            ...(part.message ? [messageLine(part.message, part.look)] : []));
          case 'settings': {
            const pairs = element('div', 'details-settings', 'pairs');
            const seriesLabel = element('label', '', '', description.texts.series.text);
            seriesLabel.htmlFor = 'series';
            seriesLabel.title = description.texts.series.toolTip;
            const choice = element('select', 'series');
            choice.title = seriesLabel.title;
            settings.series.forEach((title, i) => choice.add(new Option(title, settings.seriesKeys[i])));
            pairs.append(seriesLabel, choice);
            numbers = settings.numbers.map((setting) => {
              const [label, input] = numberBox(setting);
              pairs.append(label, input);
              return input;
            });
            return group(part, pairs, messageLine(part.message, part.look));
          }
          case 'shapeOpinion': {
            const box = group(part, element('div', 'details-' + part.name, 'pairs'), element('p', 'shapeValidation'),
              messageLine(part.message, part.look), element('div', '', 'row'),
              messageLine('shapeMessage', '', 'status'));
            box.querySelector('legend').id = 'shapeLegend';
            box.querySelector('#shapeValidation').hidden = true;
            box.querySelector('.row').append(element('button', 'useShapeAl'));
            box.hidden = true;
            return box;
          }
          case 'current': {
            const box = group(part, element('div', 'details-' + part.name, 'pairs'),
              messageLine(part.message, part.look));
            box.hidden = true;
            return box;
          }
          case 'section': {
            const drawing = element('div', 'details-' + part.name);
            drawing.setAttribute('role', 'img');
            drawing.setAttribute('aria-label', description.texts['section-drawing'].text);
            return group(part, drawing);
          }
          case 'calibration': {
            const row = element('div', '', 'row');
            for (const control of described.calibration) {
              if (!control.placeholder) {
                row.append(Object.assign(element('button', control.name, '', control.text),
                  { type: 'button', title: control.toolTip }));
                continue;
              }
              const label = element('label', '', '', control.text);
              label.htmlFor = control.name;
              const input = Object.assign(element('input', control.name),
                { type: 'text', placeholder: control.placeholder, title: control.toolTip });
              row.append(label, input);
            }
            return group(part, row, messageLine(part.message, '', 'status'));
          }
          default: {
            const buttons = element('div', '', 'buttons');
            for (const control of described.buttons) {
              buttons.append(Object.assign(element('button', control.name, '', control.text),
                { type: 'button', title: control.toolTip }));
            }
            return buttons;
          }
        }
      });
      panel.append(...built);
      for (const button of panel.querySelectorAll('button')) button.type = 'button';
      [inputs, figures, reasons, section, series, shape, shapeLegend, shapeLines, shapeValidation, shapeNote,
        useShapeAl, shapeMessage, status, changed, settingsMessage, measured, testTurns, message, checkErrors,
        checkNotes, currentRating, currentLines, currentWarnings] = [
        'details-inputs', 'details-figures', 'reasons', 'details-section', 'series', 'shapeOpinion', 'shapeLegend',
        'details-shapeOpinion', 'shapeValidation', 'shapeNote', 'useShapeAl', 'shapeMessage', 'calculationStatus',
        'changedInputs', 'settingsMessage', 'measured', 'testTurns', 'calibrationMessage', 'inputCheckErrors',
        'inputCheckNotes', 'currentRating', 'details-currentRating', 'currentWarnings']
        .map((id) => document.getElementById(id));
    }
    function setUp(described, settings) {
      buildPanel(described, settings);
      series.addEventListener('change', refresh);
      document.getElementById('copy').addEventListener('click', copy);
      document.getElementById('close').addEventListener('click', hide);
      document.getElementById('useAsAl').addEventListener('click', calibrate);
      useShapeAl.addEventListener('click', useShapeAlNow);
      for (const input of [measured, testTurns]) {
        input.addEventListener('keydown', (event) => {
          if (event.key === 'Enter') calibrate();
        });
      }
      panel.addEventListener('keydown', (event) => {
        if (event.key === 'Escape') hide();
        const inText = event.target instanceof HTMLInputElement && event.target.type === 'text';
        if ((event.ctrlKey || event.metaKey) && event.key === 'c' && !inText) {
          event.preventDefault();
          copy();
        }
      });
      const toggle = document.getElementById('details-toggle');
      toggle.addEventListener('click', () => (panel.hidden ? show(toggle) : hide()));
    }
    // The design sheet's report and drawing: the same module calls as Copy and the drawing here.
    function sheetParts() {
      measureLabels();
      const text = report();
      const view = JSON.parse(withTexts([coreTypeText()], (p, n) => textOf(module._coilwind_details(
        p, n, 680, 260, charWidth, lineHeight))));
      return { report: text, svg: view.svg };
    }
    return { refresh, report, sheetParts, show, setUp, settingsArguments() {
      const value = (name) => document.getElementById(name).value.trim();
      const [temperature, saturationFlux, alTolerance] = ['temperature', 'saturationFlux', 'alTolerance'].map(value);
      const [dc, ripple, frequency, ambient, enamelClass] = ['dcCurrent', 'ripple', 'frequency', 'ambient',
        'enamelClass'].map(value);
      // Without a DC current the rating's options change nothing: the table stays as it was.
      const current = dc === '' ? [] : ['--current', dc, '--ripple', ripple, '--frequency', frequency,
        '--ambient', ambient, '--enamel-class', enamelClass];
      return ['--series', ['iec-grade1', 'iec-grade2', 'awg-heavy'][series.selectedIndex],
        '--temperature', temperature, '--bs', saturationFlux, '--tolerance', alTolerance, ...current];
    } };
  })();

  // --- the context menu and F2 -------------------------------------------------------------------
  function setUpMenu() {
    const menu = document.getElementById('menu');
    let before = null; // the focus before the menu opened
    document.getElementById('menu-details').addEventListener('click', () => {
      menu.hidden = true;
      details.show(before);
    });
    // A right button opens the menu and leaves the focus where it is, as on the desktop.
    elements.get('Form1').addEventListener('mousedown', (event) => {
      if (event.button === 2 && !(event.target instanceof HTMLInputElement)) event.preventDefault();
    });
    elements.get('Form1').addEventListener('contextmenu', (event) => {
      if (event.target instanceof HTMLInputElement) return; // fields keep their editing menu
      event.preventDefault();
      menu.style.left = event.pageX + 'px';
      menu.style.top = event.pageY + 'px';
      if (menu.hidden) before = document.activeElement;
      menu.hidden = false;
      document.getElementById('menu-details').focus();
    });
    document.addEventListener('pointerdown', (event) => {
      if (!menu.contains(event.target)) menu.hidden = true;
    });
    document.addEventListener('keydown', (event) => {
      if (event.key === 'F2') {
        event.preventDefault();
        details.show(menu.hidden ? document.activeElement : before);
        menu.hidden = true;
      } else if (event.key === 'Escape' && !menu.hidden) {
        menu.hidden = true;
        if (before?.isConnected) giveFocusBack(before);
      }
    });
  }

  // --- design files, share links and recent designs ----------------------------------------------
  // The module writes and reads every file, link and list (the desktop's reader and writer); the
  // page only hands over what the boxes hold and puts back what it returns. Recent designs stay in
  // this browser's local storage; a link's design sits after '#', which no request carries.
  const designs = (() => {
    const RECENT_STORAGE = 'coilwind.recentDesigns';
    const status = document.getElementById('design-status');
    let words = {};
    let settingKeys = [];
    let recent = null; // the stored list's text, read once per visit

    function say(message, fault = false) {
      status.textContent = message;
      status.classList.toggle('fault', fault);
    }
    function mode() {
      return elements.get(description.names.inductanceMode).checked ? 1 : 0;
    }
    function withBytes(bytes, run) {
      const pointer = module._malloc(bytes.length + 1);
      module.HEAPU8.set(bytes, pointer);
      try {
        return run(pointer, bytes.length);
      } finally {
        module._free(pointer);
      }
    }
    // The fields, the core type, the mode and every setting's box, as the module writes them.
    function call(write) {
      handOverTexts();
      for (const key of settingKeys) {
        const box = document.getElementById(key);
        if (box) withTexts([key, box.value], (k, kn, v, vn) => module._coilwind_design_setting(k, kn, v, vn));
      }
      return withTexts([coreTypeText()], (p, n) => textOf(write(p, n, mode())));
    }
    function text() {
      return call(module._coilwind_design_text);
    }
    function link() {
      const address = new URL(location.href);
      address.hash = call(module._coilwind_design_fragment);
      return address.href;
    }
    // The module's answer to an opening: the design, whose fields it already holds, or the reason.
    function restore(answer) {
      const result = JSON.parse(answer);
      if (result.message) throw new Error(result.message);
      const design = result.design;
      takeTexts();
      elements.get(description.names.coreType).value = design.coreType;
      elements.get(design.pictureMode === 'inductance' ? 'Option2' : 'Option1').checked = true;
      for (const [key, value] of Object.entries(design.settings)) {
        const box = document.getElementById(key);
        if (box) box.value = value;
      }
      applyPictureRule();
      applyFieldHelp();
      details.refresh();
      return result.said;
    }
    function openBytes(bytes, name) {
      return restore(withBytes(bytes, (p, n) => withTexts([name],
        (q, m) => textOf(module._coilwind_open_design(p, n, q, m)))));
    }
    function openText(designText) {
      return openBytes(encoder.encode(designText), '');
    }
    function openLink(fragment) {
      return restore(withTexts([fragment], (p, n) => textOf(module._coilwind_open_link(p, n))));
    }
    // At most one byte beyond the limit is read: enough for the reader to refuse a larger file.
    async function openFile(file) {
      try {
        const bytes = new Uint8Array(await file.slice(0, words.limit + 1).arrayBuffer());
        say(openBytes(bytes, file.name));
      } catch (error) {
        say(String(error.message || error), true);
      }
    }
    function save() {
      const designText = text();
      const name = withTexts([coreTypeText()], (p, n) => textOf(module._coilwind_design_file_name(p, n, mode())));
      const refusal = withTexts([designText, name], (p, n, q, m) => textOf(module._coilwind_design_save_refusal(p, n, q, m)));
      if (refusal) {
        say(refusal, true);
        return;
      }
      const anchor = document.createElement('a');
      anchor.href = URL.createObjectURL(new Blob([designText], { type: 'application/json' }));
      anchor.download = name;
      anchor.click();
      setTimeout(() => URL.revokeObjectURL(anchor.href), 10000);
    }
    async function copyLink() {
      const address = link();
      try {
        await navigator.clipboard.writeText(address);
        say(words.linkCopied);
      } catch (error) {
        say(address); // no clipboard here: the address to copy by hand
      }
    }

    function storedRecent() {
      if (recent === null) {
        try {
          recent = localStorage.getItem(RECENT_STORAGE) ?? '';
        } catch {
          recent = ''; // no local storage here (a private window, a blocked file://)
        }
      }
      return recent;
    }
    // A list the storage refuses (full) is kept for this visit only, and the old one removed so
    // that the next visit does not show a list older than this one.
    function storeRecent(list) {
      recent = list;
      try {
        if (list) localStorage.setItem(RECENT_STORAGE, list);
        else localStorage.removeItem(RECENT_STORAGE);
      } catch {
        try {
          localStorage.removeItem(RECENT_STORAGE);
        } catch {
          // no storage at all
        }
      }
    }
    function showRecent() {
      const entries = JSON.parse(withTexts([storedRecent()], (p, n) => textOf(module._coilwind_recent_view(p, n))));
      const list = document.getElementById('recent-list');
      list.replaceChildren(...entries.map((entry) => {
        const item = document.createElement('li');
        const button = document.createElement('button');
        button.type = 'button';
        button.textContent = entry.label;
        button.addEventListener('click', () => {
          try {
            say(openText(entry.design));
          } catch (error) {
            say(String(error.message || error), true);
          }
        });
        item.append(button);
        return item;
      }));
      if (entries.length === 0) {
        const item = document.createElement('li');
        item.textContent = words.none;
        list.append(item);
      }
      document.getElementById('recent-forget').disabled = entries.length === 0;
    }
    function noteCalculation() {
      const now = new Date();
      const two = (n) => String(n).padStart(2, '0');
      const time = `${now.getFullYear()}-${two(now.getMonth() + 1)}-${two(now.getDate())} ` +
        `${two(now.getHours())}:${two(now.getMinutes())}`;
      storeRecent(call((p, n, m) => withTexts([storedRecent(), time],
        (l, ln, t, tn) => module._coilwind_recent_note(l, ln, t, tn, p, n, m))));
      showRecent();
    }
    function forgetAll() {
      storeRecent('');
      showRecent();
    }
    function openAddress() {
      if (!location.hash) return;
      try {
        say(openLink(location.hash));
      } catch (error) {
        say(String(error.message || error), true);
      }
    }
    function takesDrop(file) {
      if (!file.name.toLowerCase().endsWith(words.extension)) return false;
      openFile(file);
      return true;
    }
    function setUp() {
      words = JSON.parse(textOf(module._coilwind_design_words()));
      settingKeys = JSON.parse(textOf(module._coilwind_design_setting_keys()));
      for (const [id, word] of [['design-save', 'save'], ['design-open', 'open'], ['design-link', 'copyLink'],
        ['recent-title', 'recent'], ['recent-forget', 'forget']]) {
        document.getElementById(id).textContent = words[word];
      }
      const chooser = document.getElementById('design-file');
      document.getElementById('design-save').addEventListener('click', save);
      document.getElementById('design-open').addEventListener('click', () => chooser.click());
      chooser.addEventListener('change', () => {
        if (chooser.files[0]) openFile(chooser.files[0]);
        chooser.value = '';
      });
      document.getElementById('design-link').addEventListener('click', copyLink);
      document.getElementById('recent-forget').addEventListener('click', forgetAll);
      document.addEventListener('keydown', (event) => {
        if (!(event.ctrlKey || event.metaKey) || event.altKey) return;
        const key = event.key.toLowerCase();
        if (key === 's') {
          event.preventDefault();
          save();
        } else if (key === 'o') {
          event.preventDefault();
          chooser.click();
        }
      });
      window.addEventListener('hashchange', openAddress);
      showRecent();
      openAddress();
    }
    function sheetHeading(date) {
      return call((p, n, m) => withTexts([date], (d, dn) => module._coilwind_sheet_heading(p, n, m, d, dn)));
    }
    return { setUp, text, link, openText, noteCalculation, takesDrop, sheetHeading };
  })();

  // --- the page's languages and its width ----------------------------------------------------------
  // The language is the page's address's choice (?lang=en), never the browser's: without one the
  // page shows the window's own texts. Choosing another loads the page again in it.
  function chosenLanguage() {
    return new URLSearchParams(window.location.search).get('lang') || '';
  }
  function ownLanguage() {
    return language === description.languages[0].code;
  }
  function setUpLanguages() {
    const select = document.getElementById('language');
    for (const { code, name, tag } of description.languages) {
      const option = new Option(name, code, false, code === language);
      option.lang = tag;
      select.add(option);
    }
    select.addEventListener('change', () => {
      const address = new URL(window.location.href);
      address.searchParams.set('lang', select.value);
      window.location.assign(address.href);
    });
  }
  // The static elements' texts, from the module: data-text a caption (and its tooltip, if it has
  // one), data-tip a tooltip, data-label a name for screen readers.
  function applyTexts() {
    const texts = description.texts;
    for (const element of document.querySelectorAll('[data-text]')) {
      const { text, toolTip } = texts[element.dataset.text];
      const own = [...element.childNodes].find((node) => node.nodeType === Node.TEXT_NODE);
      if (element.childElementCount === 0) element.textContent = text;
      else if (own) own.data = text;
      else element.prepend(text);
      if (toolTip) element.title = toolTip;
    }
    for (const element of document.querySelectorAll('[data-tip]')) element.title = texts[element.dataset.tip].toolTip;
    for (const element of document.querySelectorAll('[data-label]')) {
      element.setAttribute('aria-label', texts[element.dataset.label].text);
    }
    document.title = texts.title.text;
  }

  // The captions are Chinese with their English after them in brackets, "设置 (settings)", and a
  // few are English only ("CORE"): the English is marked as such, so that a screen reader speaks
  // it with an English voice. Values (fields, outputs) are left alone.
  const CHINESE = /[\u2e80-\u9fff\uff00-\uffef]/;
  const GLOSS = /\([^()\u2e80-\u9fff\uff00-\uffef]*[A-Za-z]{2}[^()\u2e80-\u9fff\uff00-\uffef]*\)/g;
  function markEnglish(root) {
    const walker = document.createTreeWalker(root, NodeFilter.SHOW_TEXT, (node) =>
      (node.parentElement.closest('script, style, svg, select, textarea, output, [lang="en"]')
        ? NodeFilter.FILTER_REJECT : NodeFilter.FILTER_ACCEPT));
    const nodes = [];
    while (walker.nextNode()) nodes.push(walker.currentNode);
    const english = (text) => {
      const span = document.createElement('span');
      span.lang = 'en';
      span.textContent = text;
      return span;
    };
    for (const node of nodes) {
      const text = node.data;
      if (!CHINESE.test(text)) {
        if (/[A-Za-z]{2}/.test(text)) node.replaceWith(english(text));
        continue;
      }
      const parts = [];
      let from = 0;
      for (const match of text.matchAll(GLOSS)) {
        parts.push(text.slice(from, match.index), english(match[0]));
        from = match.index + match[0].length;
      }
      if (from > 0) node.replaceWith(...parts, text.slice(from));
    }
  }

  // A screen narrower than the window gets the window scaled down to its width; page.css puts the
  // details below the window there. Wider screens show the window at its own size.
  function fitWindow() {
    const form = elements.get('Form1');
    const body = getComputedStyle(document.body);
    form.style.zoom = '';
    const room = document.documentElement.clientWidth - parseFloat(body.marginLeft) - parseFloat(body.marginRight);
    if (room < form.offsetWidth) form.style.zoom = String(room / form.offsetWidth);
  }

  // --- CSV through the worker --------------------------------------------------------------------
  const csv = (() => {
    let worker = null;
    let next = 1;
    const pending = new Map();
    function start() {
      if (worker) return worker;
      const inline = document.getElementById('csv-module');
      if (inline) {
        const source = new Blob([inline.textContent, '\n', document.getElementById('csv-worker').textContent],
          { type: 'text/javascript' });
        worker = new Worker(URL.createObjectURL(source));
      } else {
        worker = new Worker('worker.js');
      }
      moduleOptions('csv-wasm').then((options) => worker.postMessage({ options }));
      worker.onmessage = ({ data }) => {
        const job = pending.get(data.id);
        if (data.type === 'progress') {
          job.progress(data.done, data.total);
          return;
        }
        pending.delete(data.id);
        if (data.type === 'done') job.resolve(data);
        else job.reject(new Error(data.message));
      };
      return worker;
    }
    function run(input, args, progress = () => {}) {
      const id = next++;
      return new Promise((resolve, reject) => {
        pending.set(id, { resolve, reject, progress });
        start().postMessage({ id, input, args });
      });
    }
    // A running table stops with its worker; the next run starts a new one.
    function cancel() {
      if (!worker) return;
      worker.terminate();
      worker = null;
      for (const job of pending.values()) job.reject(Object.assign(new Error(description.texts['csv-cancelled'].text), { cancelled: true }));
      pending.clear();
    }
    const [bar, status, link, chooser, rerun, stop, drop] = ['csv-progress', 'csv-status', 'csv-download',
      'csv-file', 'csv-rerun', 'csv-cancel', 'csv-drop'].map((id) => document.getElementById(id));
    let lastFile = null;
    let currentRun = 0; // a run that is no longer the current one reports nothing
    function report(text, fault) {
      status.textContent = text;
      status.classList.toggle('fault', fault);
    }
    async function runFile(file) {
      cancel(); // one table at a time: a new one replaces the one running
      lastFile = file;
      const thisRun = ++currentRun;
      bar.hidden = false;
      bar.value = 0;
      link.hidden = true;
      stop.hidden = false;
      rerun.hidden = true;
      report(file.name + description.marks.working, false);
      const started = performance.now();
      try {
        const result = await run(file, details.settingsArguments(), (done, total) => {
          bar.value = total ? done / total : 0;
        });
        if (result.status === 2) {
          report(file.name + ': ' + result.message, true);
          return;
        }
        URL.revokeObjectURL(link.href);
        link.href = URL.createObjectURL(result.output);
        link.download = file.name.replace(/(\.csv|\.txt)?$/i, '-coilwind.csv');
        link.hidden = false;
        report(withTexts([file.name], (p, size) => textOf(module._coilwind_csv_summary(p, size, result.rows,
          result.failed, result.output.size / 1024, (performance.now() - started) / 1000))), result.failed > 0);
      } catch (error) {
        if (thisRun !== currentRun) return; // replaced by a newer run, which reports itself
        report(file.name + ': ' + String(error.message || error), !error.cancelled);
      } finally {
        if (thisRun === currentRun) {
          bar.hidden = true;
          stop.hidden = true;
          rerun.hidden = false;
        }
      }
    }
    function setUp() {
      chooser.addEventListener('change', () => {
        const file = chooser.files[0];
        chooser.value = ''; // choosing the same file again is a change too
        if (file) runFile(file);
      });
      rerun.addEventListener('click', () => lastFile && runFile(lastFile));
      stop.addEventListener('click', cancel);
      let depth = 0; // dragenter and dragleave pair up over the page's elements
      document.addEventListener('dragenter', () => drop.classList.toggle('dragging', ++depth > 0));
      document.addEventListener('dragleave', () => drop.classList.toggle('dragging', --depth > 0));
      document.addEventListener('dragover', (event) => event.preventDefault());
      document.addEventListener('drop', (event) => {
        event.preventDefault();
        depth = 0;
        drop.classList.remove('dragging');
        const file = event.dataTransfer.files[0];
        if (file && !designs.takesDrop(file)) runFile(file);
      });
    }
    return { run, setUp };
  })();

  // --- the design sheet in print ------------------------------------------------------------------
  // The browser's Print and Save as PDF give the desktop's design sheet, filled from the module
  // just before printing: the heading, the report and the drawing. page.css prints only it.
  function fillSheet() {
    let sheet = document.getElementById('sheet');
    if (!sheet) {
      sheet = document.createElement('section');
      sheet.id = 'sheet';
      document.body.append(sheet);
    }
    const now = new Date();
    const two = (n) => String(n).padStart(2, '0');
    const date = `${now.getFullYear()}-${two(now.getMonth() + 1)}-${two(now.getDate())} ` +
      `${two(now.getHours())}:${two(now.getMinutes())}`; // as the desktop's sheet writes it
    const { report: text, svg } = details.sheetParts();
    const lines = designs.sheetHeading(date).split('\n');
    const [title, subtitle] = lines.map((line, i) => {
      const element = document.createElement('p');
      element.className = i === 0 ? 'sheet-title' : 'sheet-date';
      element.textContent = line;
      return element;
    });
    const report = document.createElement('pre');
    report.textContent = text;
    report.style.setProperty('--lines', text.split('\n').length);
    const drawing = document.createElement('div');
    if (svg) {
      drawing.append(document.importNode(
        new DOMParser().parseFromString(svg, 'image/svg+xml').documentElement, true));
    }
    sheet.replaceChildren(title, subtitle, report, drawing);
  }

  // --- start-up and the public API ---------------------------------------------------------------
  // The single file carries each module's .wasm in a data block, gzip-compressed in base64; the
  // site lets the module's loader fetch it.
  async function inlineWasm(id) {
    const block = document.getElementById(id);
    if (!block) return null;
    const packed = Uint8Array.from(atob(block.textContent), (c) => c.charCodeAt(0));
    const stream = new Blob([packed]).stream().pipeThrough(new DecompressionStream('gzip'));
    return new Uint8Array(await new Response(stream).arrayBuffer());
  }
  async function moduleOptions(id) {
    const wasmBinary = await inlineWasm(id);
    return wasmBinary ? { wasmBinary } : {};
  }

  const ready = (async () => {
    module = await createCoilwindPage(await moduleOptions('page-wasm'));
    performance.mark('coilwind-module');
    const asked = chosenLanguage();
    if (asked && withTexts([asked], (p, n) => module._coilwind_set_language(p, n))) language = asked;
    description = JSON.parse(textOf(module._coilwind_window()));
    if (!language) language = description.languages[0].code;
    document.documentElement.lang = description.languages.find(({ code }) => code === language).tag;
    applyTexts();
    setUpLanguages();
    pictureData = JSON.parse(document.getElementById('pictures').textContent);
    build();
    details.setUp(description.details, description.settings);
    setUpMenu();
    csv.setUp();
    designs.setUp();
    document.getElementById('page-title').textContent = document.title;
    if (ownLanguage()) markEnglish(document.body);
    fitWindow();
    window.addEventListener('resize', fitWindow);
    window.addEventListener('beforeprint', fillSheet);
    elements.get(description.names.calculate).focus({ preventScroll: true });
    performance.mark('coilwind-ready');
  })();

  window.coilwind = Object.freeze({
    ready,
    fieldText: (index) => texts.get(index),
    detailsText: () => details.report(),
    // options: {series, temperature, bs, tolerance} as coilwind-batch takes them; input: a text,
    // a Blob or a File. Resolves to the result CSV (a text), rejects with the tool's message.
    async runCsv(input, options = {}) {
      const args = [];
      for (const [name, value] of Object.entries(options)) args.push('--' + name, String(value));
      const result = await csv.run(input, args);
      if (result.status === 2) throw new Error(result.message);
      return typeof input === 'string' ? result.output.text() : result.output;
    },
    // For measuring: coilwind-batch's arguments as given; resolves to the worker's whole answer
    // (exit status, message, the output as a Blob, the module's memory).
    runCsvDetailed: (input, args) => csv.run(input, args),
    // The design file's text; a design file's text opened (rejected with the reason, nothing
    // changed); the address with the design after '#'.
    designText: async () => (await ready, designs.text()),
    openDesign: async (text) => (await ready, designs.openText(String(text))),
    shareLink: async () => (await ready, designs.link()),
  });
})();
