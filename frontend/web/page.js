// The page around the main window's logic: it lays the client area out at a whole factor of
// device pixels, turns pointer events into stylus events, runs the timers on the browser's
// clock, repaints at the next animation frame, and builds the menu bar, toolbar, lesson list
// and message box as HTML, and hands the keys and the wheel to the logic. A task's panel is
// page elements beside the rule (or below it), as the logic describes it. What the frame shows
// in words is in the page too: a live region with the step's or the task's text, and real
// buttons over the drawn ones.
"use strict";
const kClientWidth = 240, kClientHeight = 268;
const MK_LBUTTON = 0x1, MK_SHIFT = 0x4, MK_CONTROL = 0x8;
const kDoubleTapMs = 500, kDoubleTapSlop = 4;  // client pixels
const kNotchPixels = 100, kNotchLines = 3;       // one notch of a common wheel

// Key names as the logic reads them ("Ctrl+Shift+Left"), from the key's place on the keyboard,
// so that the letters work in any layout.
const kKeyNames = {
  ArrowLeft: "Left", ArrowRight: "Right", ArrowUp: "Up", ArrowDown: "Down", PageUp: "PageUp",
  PageDown: "PageDown", Home: "Home", End: "End", Enter: "Return", NumpadEnter: "Enter",
  Escape: "Escape", Space: "Space", F10: "F10", F1: "F1", NumpadAdd: "Plus", NumpadSubtract: "Minus",
  Minus: "Minus", Equal: "Equal",
};
function keyName(event) {
  const c = event.code;
  let name = kKeyNames[c] || (/^Key[A-Z]$/.test(c) ? c.slice(3) : /^(Digit|Numpad)[0-9]$/.test(c) ? c.slice(-1) : null);
  if (!name) return null;
  let shift = event.shiftKey;
  if (c === "Equal" && event.key === "+") { name = "Plus"; shift = false; }  // Shift+= types a plus
  return (event.ctrlKey ? "Ctrl+" : "") + (shift ? "Shift+" : "") + (event.altKey ? "Alt+" : "") + name;
}

const SkalorPage = {
  started: false,
  canvas: null, context: null,
  factor: 1,        // device pixels per client pixel on the screen
  fit: 1,           // the largest factor that fits the page
  zoom: null,       // the factor the user chose with the window-size commands; null: fit
  zoomIds: [],      // larger, smaller, normal
  wheelPixels: 0,   // wheel travel not yet a whole notch
  maxScale: 1,      // the largest scale the page carries images for
  framePending: false,
  pointerId: null,  // the pointer that is down on the client area
  lastTap: null,    // time and place of the last press, for the double tap
  timers: new Map(),
  commands: [],     // [element, id]
  list: null,
  help: null,       // the help's pages, once it was opened
  panelDirty: false,  // the logic handed a new panel during a paint: shown after it
  firstFrameMs: null,
  narration: "",    // the window in words, as last shown (JSON)

  start() {
    this.canvas = document.getElementById("client");
    this.context = this.canvas.getContext("2d");
    const tables = JSON.parse(UTF8ToString(Module._skalor_ui_tables()));
    this.zoomIds = tables.zoom;
    this.buildBar(tables);
    // Each run sets other tasks.
    Module._skalor_start(crypto.getRandomValues(new Uint32Array(1))[0]);
    this.maxScale = SkalorImages.largest();
    this.started = true;
    this.listenPanel();
    this.layout();
    this.listen();
    this.refresh();
  },

  // The largest whole factor of device pixels that fits the stage, as far as the page has
  // the images for it; in a room of width by height CSS pixels, the stage's by default.
  fitFactor(width, height) { return Math.max(1, Math.min(this.maxScale, this.wholeFactor(width, height))); },
  // The largest whole factor that fits, images or not.
  wholeFactor(width, height) {
    const stage = document.getElementById("stage"), dpr = window.devicePixelRatio || 1;
    const w = (width === undefined ? stage.clientWidth : width) * dpr;
    const h = (height === undefined ? stage.clientHeight : height) * dpr;
    return Math.floor(Math.min(w / kClientWidth, h / kClientHeight));
  },

  // The frame at the largest whole factor of device pixels that fits the stage, or the one
  // the user chose, shown 1:1 in device pixels (at any ratio and browser zoom); a factor
  // whose images are still packed is shown enlarged until they are unpacked.
  // With a task's panel the rule leaves it room: beside the rule where that gives the rule
  // at least the factor it has with the panel below, else below.
  layout() {
    const stage = document.getElementById("stage");
    const dpr = window.devicePixelRatio || 1;
    const panel = document.getElementById("panel");
    const W = stage.clientWidth, H = stage.clientHeight;
    let beside = true, pw = 0, ph = 0;
    this.fit = this.fitFactor();
    if (!panel.hidden) {
      panel.style.width = "";
      panel.style.maxHeight = "";
      pw = panel.offsetWidth;
      const besideFit = this.fitFactor(W - pw, H);
      panel.style.width = Math.min(W, kClientWidth * this.fit / dpr) + "px";
      ph = panel.offsetHeight;
      const belowFit = this.fitFactor(W, H - ph);
      beside = besideFit >= belowFit;
      this.fit = beside ? besideFit : belowFit;
      if (beside) panel.style.width = "";
    }
    const factor = this.zoom === null ? this.fit : Math.min(this.zoom, this.fit);
    this.factor = factor;
    if (SkalorImages.ready(factor)) Module._skalor_set_scale(factor);
    else SkalorImages.load(factor).then(() => this.layout());
    const scale = Module._skalor_frame_width() / kClientWidth;
    this.canvas.classList.toggle("smooth", scale !== factor);
    const cssWidth = kClientWidth * factor / dpr, cssHeight = kClientHeight * factor / dpr;
    this.canvas.style.width = cssWidth + "px";
    this.canvas.style.height = cssHeight + "px";
    // On whole device pixels, so that each pixel of the frame is one of the screen.
    const whole = (css) => Math.max(0, Math.round(css * dpr) / dpr);
    const left = whole((W - cssWidth - (beside ? pw : 0)) / 2);
    const top = whole((H - cssHeight - (beside ? 0 : ph)) / 2);
    this.canvas.style.left = left + "px";
    this.canvas.style.top = top + "px";
    if (!panel.hidden) {
      if (!beside) panel.style.width = cssWidth + "px";
      panel.style.left = (beside ? left + cssWidth : left) + "px";
      panel.style.top = (beside ? top : top + cssHeight) + "px";
      panel.style.maxHeight = (beside ? H - top : H - top - cssHeight) + "px";
    }
    this.placeList();
    this.placeControls();
    this.requestFrame();
  },

  // A new device pixel ratio (browser zoom, another screen) lays the page out again.
  watchRatio() {
    matchMedia(`(resolution: ${window.devicePixelRatio || 1}dppx)`).addEventListener("change", () => {
      this.layout();
      this.watchRatio();
    }, { once: true });
  },

  requestFrame() {
    if (this.framePending || !this.started) return;
    this.framePending = true;
    requestAnimationFrame(() => { this.framePending = false; this.paint(); });
  },

  paint() {
    if (!SkalorFont.ready && this.heading()) {
      SkalorFont.loaded.then(() => this.requestFrame());
      return;
    }
    const bits = Module._skalor_paint();
    const width = Module._skalor_frame_width(), height = Module._skalor_frame_height();
    if (this.canvas.width !== width || this.canvas.height !== height) {
      this.canvas.width = width;
      this.canvas.height = height;
    }
    // The frame is composed in the canvas's byte order: shown straight from the module's memory.
    this.context.putImageData(new ImageData(new Uint8ClampedArray(HEAPU8.buffer, bits, width * height * 4), width, height), 0, 0);
    if (this.firstFrameMs === null) this.firstFrameMs = performance.now();
    this.refresh();
  },

  toClient(event) {
    const r = this.canvas.getBoundingClientRect();
    return [Math.floor((event.clientX - r.left) * kClientWidth / r.width),
            Math.floor((event.clientY - r.top) * kClientHeight / r.height)];
  },

  flags(event, down) {
    return (down ? MK_LBUTTON : 0) | (event.shiftKey ? MK_SHIFT : 0) | (event.ctrlKey ? MK_CONTROL : 0);
  },

  stylus(kind, flags, point) {
    Module._skalor_stylus(kind, flags, point[0], point[1]);
    this.refresh();
  },

  listen() {
    const c = this.canvas;
    // The rule as it is left is kept when the page goes, or is hidden (a phone may end it
    // there without a word).
    window.addEventListener("pagehide", () => Module._skalor_leave());
    document.addEventListener("visibilitychange", () => {
      if (document.visibilityState === "hidden") Module._skalor_leave();
    });
    c.addEventListener("pointerdown", (e) => {
      if (e.button !== 0 || this.pointerId !== null || this.modal()) return;
      e.preventDefault();
      this.closeMenus();
      this.pointerId = e.pointerId;
      const p = this.toClient(e), now = e.timeStamp;
      // A second press soon after the first, near it, is the double tap: it takes the
      // place of the press.
      const t = this.lastTap;
      const double = t && now - t.time <= kDoubleTapMs &&
                     Math.abs(p[0] - t.x) <= kDoubleTapSlop && Math.abs(p[1] - t.y) <= kDoubleTapSlop;
      this.lastTap = double ? null : { time: now, x: p[0], y: p[1] };
      this.stylus(double ? 3 : 0, this.flags(e, true), p);
    });
    c.addEventListener("pointermove", (e) => {
      if (e.pointerId !== this.pointerId) return;  // only while touching: a stylus has no hover
      e.preventDefault();
      this.stylus(1, this.flags(e, true), this.toClient(e));
    });
    const release = (e) => {
      if (e.pointerId !== this.pointerId) return;
      e.preventDefault();
      this.pointerId = null;
      this.stylus(2, this.flags(e, false), this.toClient(e));
    };
    c.addEventListener("pointerup", release);
    c.addEventListener("pointercancel", (e) => {
      if (e.pointerId !== this.pointerId) return;
      this.pointerId = null;
      this.loseCapture();
    });
    c.addEventListener("lostpointercapture", () => this.loseCapture());
    c.addEventListener("contextmenu", (e) => e.preventDefault());
    c.addEventListener("wheel", (e) => this.wheel(e), { passive: false });
    document.addEventListener("keydown", (e) => this.keyDown(e));
    document.addEventListener("keyup", (e) => this.keyUp(e));
    window.addEventListener("blur", () => { this.loseCapture(); Module._skalor_kill_focus(); });
    window.addEventListener("resize", () => this.layout());
    document.getElementById("test-start").addEventListener("click", (e) => this.startTest(e));
    document.getElementById("test-print").addEventListener("click", (e) => this.printSheets(e));
    this.watchRatio();
  },

  // The keys go to the logic, but those of the menus and the message box; a key the logic
  // does not use keeps its browser meaning (a title typed in the lesson list, say).
  keyDown(e) {
    if (!this.started || this.modal() || this.ownKey(e)) return;
    // The answer field keeps its keys but Return, Enter and Escape (check, close).
    if (e.target === this.field() && !["Enter", "NumpadEnter", "Escape"].includes(e.code)) return;
    const name = keyName(e);
    if (this.menuKey(e, name)) { e.preventDefault(); return; }
    if (!name) return;
    const used = Module.ccall("skalor_key", "number", ["string", "number", "number"], [name, 1, e.repeat ? 1 : 0]);
    if (this.zoomIds.includes(used)) this.command(used);
    if (used) e.preventDefault();
    this.refresh();
  },
  keyUp(e) {
    if (!this.started || this.ownKey(e)) return;
    if (e.target === this.field() && !["Enter", "NumpadEnter", "Escape"].includes(e.code)) return;
    const name = keyName(e);
    if (!name) return;
    Module.ccall("skalor_key", "number", ["string", "number", "number"], [name, 0, 0]);
    this.refresh();
  },

  // Return and Space on a button over the frame or in the panel press that button, as a tap
  // would, and nothing else.
  ownKey(e) {
    return e.target instanceof HTMLButtonElement &&
           (e.target.classList.contains("drawn") || document.getElementById("panel").contains(e.target)) &&
           ["Enter", "NumpadEnter", "Space"].includes(e.code);
  },

  // The menus by the keyboard: F10 or Alt and a menu's letter opens it; in an open menu an
  // item's letter, Up, Down, Left, Right and Escape. True when the key was the menus'.
  menuKey(e, name) {
    const menus = [...document.querySelectorAll("#bar .menu")];
    const open = menus.findIndex((m) => m.classList.contains("open"));
    if (open < 0) {
      let index = name === "F10" ? 0 : -1;
      if (e.altKey && !e.ctrlKey) index = this.menuOfKey(e);
      if (index < 0) return false;
      this.openMenu(menus[index]);
      return true;
    }
    const items = [...menus[open].querySelectorAll(".items button:not(:disabled)")];
    const at = items.indexOf(document.activeElement);
    if (e.key === "Escape") this.closeMenus();
    else if (e.key === "ArrowDown" || e.key === "ArrowUp") {
      const down = e.key === "ArrowDown";
      if (items.length)
        items[at < 0 ? (down ? 0 : items.length - 1) : (at + (down ? 1 : items.length - 1)) % items.length].focus();
    } else if (e.key === "ArrowLeft" || e.key === "ArrowRight") {
      this.openMenu(menus[(open + (e.key === "ArrowRight" ? 1 : menus.length - 1)) % menus.length]);
    } else if (e.key === "Enter" || e.key === " ") {
      if (at >= 0) items[at].click();
    } else {
      const id = this.itemOfKey(open, e);
      const item = items.find((b) => Number(b.dataset.id) === id);
      if (item) item.click();
      else if (e.altKey && this.menuOfKey(e) >= 0) this.openMenu(menus[this.menuOfKey(e)]);
      else return e.key !== "Tab";
    }
    return true;
  },

  // The menus' letters are the Cyrillic letters their captions show: the logic's tables pick
  // by what the key types, and with a Latin layout by the letter the Russian layout has on
  // the key (the key of Ф opens "Файл"). The bar's menu a key picks, or an item's command.
  menuOfKey(e) {
    return Module.ccall("skalor_menu_key", "number", ["number", "string", "string"], [-1, e.key || "", e.code || ""]);
  },
  itemOfKey(menu, e) {
    return Module.ccall("skalor_menu_key", "number", ["number", "string", "string"], [menu, e.key || "", e.code || ""]);
  },

  openMenu(holder) {
    this.closeMenus();
    // The menu takes the pointer: a gesture in progress has lost it.
    this.loseCapture();
    this.refresh();
    holder.classList.add("open");
    holder.firstChild.setAttribute("aria-expanded", "true");
    const first = holder.querySelector(".items button:not(:disabled)");
    if (first) first.focus();
  },

  // Whole notches, positive toward the user; what the logic leaves of Ctrl and the wheel
  // sizes the page, a turn away from the user making it larger.
  wheel(e) {
    e.preventDefault();
    const unit = e.deltaMode === 1 ? kNotchPixels / kNotchLines : e.deltaMode === 2 ? kNotchPixels * 3 : 1;
    this.wheelPixels += (e.deltaY + e.deltaX) * unit;
    const notches = Math.trunc(this.wheelPixels / kNotchPixels);
    if (notches === 0) return;
    this.wheelPixels -= notches * kNotchPixels;
    const used = Module._skalor_wheel(notches, e.ctrlKey ? 1 : 0);
    if (!used && e.ctrlKey) this.setZoom(this.factor - notches);
    this.refresh();
  },

  setZoom(factor) {
    this.zoom = Math.max(1, Math.min(factor, this.fit));
    this.layout();
    this.refresh();
  },

  // The logic's capture follows the pointer that is down.
  capture(on) {
    if (this.pointerId === null) return;
    try {
      if (on) this.canvas.setPointerCapture(this.pointerId);
      else if (this.canvas.hasPointerCapture(this.pointerId)) this.canvas.releasePointerCapture(this.pointerId);
    } catch (e) { /* the pointer is already gone */ }
  },

  loseCapture() {
    Module._skalor_capture_lost();
    this.refresh();
  },

  setTimer(id, period) {
    this.killTimer(id);  // starting a running timer restarts its period
    this.timers.set(id, setInterval(() => { Module._skalor_timer(id); this.refresh(); }, period));
  },

  killTimer(id) {
    if (!this.timers.has(id)) return;
    clearInterval(this.timers.get(id));
    this.timers.delete(id);
  },

  close() {
    for (const id of [...this.timers.keys()]) this.killTimer(id);
    this.started = false;
    document.body.classList.add("closed");
  },

  modal() { return document.querySelector("dialog[open]") !== null; },

  messageBox(caption, text) {
    this.loseCapture();
    const box = document.getElementById("message");
    box.querySelector("h2").textContent = caption;
    box.querySelector("p").textContent = text;
    if (!box.open) box.showModal();
  },

  // "Операции → Прогресс...": a table of the lessons and kinds of task with what was done
  // and when; "Сбросить прогресс" asks first, and then takes it back until the page goes.
  showProgress() {
    this.loseCapture();
    this.closeMenus();
    const box = document.getElementById("progress"), reset = document.getElementById("progress-reset");
    const fill = () => {
      const t = JSON.parse(UTF8ToString(Module._skalor_progress_table()));
      box.querySelector("h2").textContent = t.title;
      const head = box.querySelector("thead tr");
      head.replaceChildren(...t.columns.map((c) => Object.assign(document.createElement("th"), { textContent: c, scope: "col" })));
      const body = box.querySelector("tbody");
      body.replaceChildren();
      let group = null;
      for (const r of t.rows) {
        if (r.lesson !== group) {
          group = r.lesson;
          const th = Object.assign(document.createElement("th"), { colSpan: 3, scope: "colgroup",
            textContent: r.lesson ? "Уроки" : "Задачи: верно с первого ответа" });
          body.insertRow().appendChild(th);
        }
        const row = body.insertRow();
        for (const text of [r.title, r.count, r.date]) row.insertCell().textContent = text;
      }
      reset.textContent = t.reset;
      reset.onclick = () => {
        if (!t.undo && !window.confirm(t.question)) return;
        Module._skalor_progress_reset(t.undo);
        fill();
        this.refresh();
      };
    };
    fill();
    if (!box.open) box.showModal();
  },

  // A question with "Да" and "Нет"; "Да" carries out the command it names.
  askYesNo(caption, text, id) {
    this.loseCapture();
    const box = document.getElementById("question");
    box.querySelector("h2").textContent = caption;
    box.querySelector("p").textContent = text;
    box.onclose = () => { if (box.returnValue === "yes") this.command(id); };
    box.returnValue = "";
    if (!box.open) box.showModal();
  },

  // A test of several tasks: the kinds by group, the count and the variant (empty: a fresh
  // one, then shown), to start a test or, with sheets, to print a variant's sheets.
  openTest(sheets) {
    this.loseCapture();
    this.closeMenus();
    const box = document.getElementById("test"), kinds = document.getElementById("test-kinds");
    if (!kinds.firstChild) {
      const choices = JSON.parse(UTF8ToString(Module._skalor_test_kinds()));
      const count = document.getElementById("test-count");
      count.min = choices.min;
      count.max = choices.max;
      for (const group of choices.groups) {
        const set = document.createElement("fieldset"), legend = document.createElement("legend");
        const all = document.createElement("input");
        all.type = "checkbox";
        all.checked = true;
        const label = document.createElement("label");
        label.append(all, " " + group.title);
        legend.appendChild(label);
        set.appendChild(legend);
        const boxes = group.kinds.map((kind) => {
          const item = document.createElement("label"), check = document.createElement("input");
          check.type = "checkbox";
          check.checked = true;
          check.value = kind.key;
          item.append(check, " " + kind.title);
          set.appendChild(item);
          check.addEventListener("change", () => {
            const on = boxes.filter((b) => b.checked).length;
            all.checked = on === boxes.length;
            all.indeterminate = on > 0 && on < boxes.length;
          });
          return check;
        });
        all.addEventListener("change", () => boxes.forEach((b) => { b.checked = all.checked; }));
        kinds.appendChild(set);
      }
    }
    box.querySelector("h2").textContent = sheets ? "Печать заданий" : "Зачёт";
    document.getElementById("test-start").hidden = sheets;
    document.getElementById("test-print").hidden = !sheets;
    document.getElementById("test-error").textContent = "";
    box.returnValue = "";
    box.onclose = null;
    if (!box.open) box.showModal();
  },
  // The dialog's choice as {variant, kinds, count}, or null with the reason shown.
  testChoice() {
    const keys = [...document.querySelectorAll("#test-kinds label > input[value]")].filter((c) => c.checked).map((c) => c.value);
    const error = document.getElementById("test-error"), field = document.getElementById("test-variant");
    const count = Number(document.getElementById("test-count").value);
    if (!keys.length) { error.textContent = "Выберите хотя бы один вид задач."; return null; }
    if (!(count >= 5 && count <= 20)) { error.textContent = "Число задач: от 5 до 20."; return null; }
    let variant = field.value.trim();
    if (variant === "") {
      const r = crypto.getRandomValues(new Uint32Array(2));
      variant = String(Module._skalor_fresh_variant(r[0], r[1]));
      field.value = variant;
    }
    if (!/^[0-9]{1,5}$/.test(variant) || Number(variant) < 1) { error.textContent = "Вариант: от 1 до 99999."; return null; }
    return { variant: Number(variant), kinds: keys.join(","), count };
  },
  startTest(event) {
    event.preventDefault();
    const c = this.testChoice();
    if (!c) return;
    withBytes(c.kinds, (at) => Module._skalor_start_test(c.variant, at, c.count));
    document.getElementById("test").close();
    this.refresh();
  },
  today() { return new Date().toLocaleDateString("ru-RU"); },
  // Prints html alone, with the print view's own stylesheet.
  printHtml(html) {
    const view = document.getElementById("print");
    view.innerHTML = html;
    document.body.classList.add("printing");
    window.addEventListener("afterprint", () => document.body.classList.remove("printing"), { once: true });
    window.print();
  },
  printSheets(event) {
    event.preventDefault();
    const c = this.testChoice();
    if (!c) return;
    const html = withBytes(c.kinds, (at) => withBytes(this.today(), (date) =>
      UTF8ToString(Module._skalor_sheets_html(c.variant, at, c.count, date))));
    this.printHtml(html);
  },

  // The result of the test that ended: its table with each row's "Показать", the score and
  // the mark, a CSV to download and the print view.
  showResult() {
    const json = withBytes(this.today(), (date) => UTF8ToString(Module._skalor_test_result(date)));
    const result = JSON.parse(json);
    if (!result) return;
    const box = document.getElementById("result");
    box.querySelector(".score").textContent = `Вариант ${result.variant}. Решено ${result.score}, оценка «${result.mark}»`;
    const body = box.querySelector("tbody");
    body.replaceChildren();
    result.rows.forEach((row, i) => {
      const tr = document.createElement("tr");
      for (const cell of [i + 1, ...row]) {
        const td = document.createElement("td");
        td.textContent = cell;
        tr.appendChild(td);
      }
      const show = document.createElement("button");
      show.type = "button";
      show.textContent = "Показать";
      show.addEventListener("click", () => {
        box.close();
        Module._skalor_show_test_solution(i);
        this.refresh();
      });
      const td = document.createElement("td");
      td.appendChild(show);
      tr.appendChild(td);
      body.appendChild(tr);
    });
    const csv = box.querySelector(".csv");
    csv.href = "data:text/csv;charset=utf-8," + encodeURIComponent(result.csv);
    csv.download = `zachet-${result.variant}.csv`;
    box.querySelector(".print").onclick = () => this.printHtml(result.html);
    if (!box.open) box.showModal();
  },

  // The help on the scales: a list of the scales and the page of the one chosen, its name a
  // button that shows the scale on the rule (and closes the help to let it be seen).
  showHelp() {
    this.loseCapture();
    this.closeMenus();
    const box = document.getElementById("help");
    const list = document.getElementById("help-list");
    if (!this.help) {
      this.help = JSON.parse(UTF8ToString(Module._skalor_help_pages()));
      box.querySelector("h2").textContent = this.help.caption;
      document.getElementById("help-scale").title = this.help.show;
      this.help.pages.forEach((page, i) => list.add(new Option(page.title, i)));
      list.addEventListener("change", () => this.helpPage(list.selectedIndex));
      document.getElementById("help-scale").addEventListener("click", () => {
        if (Module._skalor_show_scale(list.selectedIndex) !== 1) return;
        box.close();
        this.refresh();
      });
    }
    if (list.selectedIndex < 0) list.selectedIndex = 0;
    this.helpPage(list.selectedIndex);
    if (!box.open) box.showModal();
    list.focus();
  },
  helpPage(index) {
    const page = this.help.pages[index];
    document.getElementById("help-scale").textContent = page.title;
    document.getElementById("help-text").textContent = page.text;
    // The picture cut from the strip drawn at the screen's pixels, two CSS pixels a column.
    const dpr = window.devicePixelRatio || 1, k = Math.min(this.maxScale, Math.ceil(2 * dpr));
    const bits = Module._skalor_help_picture(index, k);
    const w = Module._skalor_help_picture_width(), h = Module._skalor_help_picture_height();
    const canvas = document.getElementById("help-picture");
    canvas.width = w;
    canvas.height = h;
    canvas.style.width = w * 2 / k + "px";
    canvas.style.height = h * 2 / k + "px";
    if (w === 0) return;
    const image = canvas.getContext("2d").createImageData(w, h);
    for (let i = 0, o = bits; i < w * h * 4; i += 4, o += 4) {
      image.data[i] = HEAPU8[o + 2]; image.data[i + 1] = HEAPU8[o + 1]; image.data[i + 2] = HEAPU8[o]; image.data[i + 3] = 255;
    }
    canvas.getContext("2d").putImageData(image, 0, 0);
  },

  // The lesson list: a real list control over the client area, at the frame's scale.
  listCreate(rect) {
    this.listDestroy();
    const list = document.createElement("select");
    list.id = "lessons";
    list.size = 2;
    list.addEventListener("change", () => { Module._skalor_list_changed(list.selectedIndex); this.refresh(); });
    list.addEventListener("dblclick", () => { Module._skalor_list_double_click(); this.refresh(); });
    list.addEventListener("pointerdown", () => this.closeMenus());
    list.setAttribute("aria-label", this.heading());
    this.list = { element: list, rect };
    document.getElementById("stage").insertBefore(list, document.getElementById("controls"));
    this.placeList();
  },
  listInsert(position, text) {
    const option = new Option(text.replace(/^ /, "\u00a0"));
    const list = this.list.element;
    list.add(option, position < list.options.length ? position : null);
    if (list.options.length === 1) this.placeList();
  },
  listMark(index, mark) {
    const list = this.list && this.list.element, option = list && list.options[index];
    if (!option) return;
    option.dataset.mark = mark;
    // The column as wide as the widest mark and a blank.
    const widest = Math.max(...Array.from(list.options, (o) => (o.dataset.mark || "").length));
    list.style.setProperty("--mark-width", widest ? widest + 1 + "ch" : "0");
  },
  listSelect(index) { if (this.list) this.list.element.selectedIndex = index; },
  listDestroy() {
    if (!this.list) return;
    this.list.element.remove();
    this.list = null;
  },
  // A child control over the client area at rect (client coordinates), as the frame is shown;
  // returns the CSS pixels a client pixel takes.
  placeChild(child) {
    const c = this.canvas, s = c.getBoundingClientRect().width / kClientWidth, r = child.rect;
    const e = child.element.style;
    e.left = c.offsetLeft + r[0] * s + "px";
    e.top = c.offsetTop + r[1] * s + "px";
    e.width = (r[2] - r[0]) * s + "px";
    e.height = (r[3] - r[1]) * s + "px";
    return s;
  },
  placeList() {
    if (!this.list) return;
    this.list.element.style.fontSize = Math.max(10, 12 * this.placeChild(this.list)) + "px";
    // How many titles the list shows at once, for the chooser's PageUp and PageDown.
    const option = this.list.element.options[0];
    const row = option ? option.getBoundingClientRect().height : 0;
    if (row > 0) Module._skalor_list_page(Math.floor(this.list.element.clientHeight / row));
  },

  // The task's panel: its answer field tells the logic what the user types and whether it
  // has the keys; the logic's panel, handed during a paint, is shown once the paint is done.
  field() { return document.getElementById("answer"); },
  listenPanel() {
    const field = this.field();
    field.addEventListener("input", () => {
      Module.ccall("skalor_edit_changed", null, ["string"], [field.value]);
      this.refresh();
    });
    field.addEventListener("focus", () => { Module._skalor_panel_focus(1); this.refresh(); });
    // The keys leave it for another element of the page, not for another window.
    field.addEventListener("blur", (e) => {
      if (e.relatedTarget || document.hasFocus()) Module._skalor_panel_focus(0);
      this.refresh();
    });
  },
  panelChanged() { this.panelDirty = true; },
  showPanel() {
    this.panelDirty = false;
    const p = JSON.parse(UTF8ToString(Module._skalor_panel()));
    const panel = document.getElementById("panel"), field = this.field();
    const wasShown = !panel.hidden;
    panel.hidden = !p.visible;
    document.getElementById("panel-title").textContent = p.title;
    document.getElementById("panel-problem").textContent = p.problem;
    document.getElementById("panel-verdict").textContent = p.verdict;
    document.getElementById("panel-count").textContent = p.count;
    field.hidden = !p.field;
    if (field.value !== p.answer) field.value = p.answer;
    this.syncButtons(panel.querySelector(".buttons"), p.buttons, (button, i) => {
      // A click leaves the keys where they were: typing goes on in the field.
      button.addEventListener("mousedown", (e) => e.preventDefault());
      button.addEventListener("click", () => this.pressPanel(i));
    }, (button, b) => {
      button.textContent = b.caption;
      button.disabled = !b.enabled;
    });
    const active = document.activeElement;
    if (p.visible && p.field && p.fieldKeys) {
      if (active !== field && !this.modal() && !document.querySelector("#bar .menu.open")) field.focus();
    } else if (active === field || (!p.visible && panel.contains(active))) {
      active.blur();
    }
    if (wasShown !== p.visible) this.layout();
  },
  pressPanel(index) {
    if (this.modal()) return;
    Module.ccall("skalor_panel_press", null, ["number", "string"], [index, this.field().value]);
    this.refresh();
  },

  buildBar(tables) {
    const bar = document.getElementById("bar");
    for (const menu of tables.menus) {
      const holder = document.createElement("div");
      holder.className = "menu";
      const head = document.createElement("button");
      this.caption(head, menu.caption, menu.mark);
      head.setAttribute("aria-haspopup", "menu");
      head.setAttribute("aria-expanded", "false");
      const items = document.createElement("div");
      items.className = "items";
      items.setAttribute("role", "menu");
      for (const item of menu.items) {
        if (item.caption === null) { items.appendChild(document.createElement("hr")); continue; }
        const b = document.createElement("button");
        this.caption(b, item.caption, item.mark);
        if (item.shortcut) {
          const key = document.createElement("span");
          key.className = "key";
          key.textContent = item.shortcut;
          b.appendChild(key);
        }
        b.setAttribute("role", "menuitemcheckbox");
        b.dataset.id = item.id;
        b.addEventListener("click", () => { this.closeMenus(); this.command(item.id); });
        items.appendChild(b);
        this.commands.push([b, item.id]);
      }
      head.addEventListener("click", () => {
        if (holder.classList.contains("open")) this.closeMenus();
        else this.openMenu(holder);
      });
      holder.append(head, items);
      bar.appendChild(holder);
    }
    const strip = Module._skalor_toolbar_pixels();
    const sw = Module._skalor_toolbar_width(), sh = Module._skalor_toolbar_height();
    for (const tool of tables.toolbar) {
      const b = document.createElement("button");
      b.className = "tool";
      b.dataset.id = tool.id;
      if (tool.tooltip) { b.title = tool.tooltip; b.setAttribute("aria-label", tool.tooltip); }
      else b.setAttribute("aria-label", "Skalor");
      const icon = document.createElement("canvas");
      icon.width = tables.buttonWidth;
      icon.height = tables.buttonHeight;
      icon.style.width = 2 * tables.buttonWidth + "px";
      icon.style.height = 2 * tables.buttonHeight + "px";
      if (sw > 0) {
        const ctx = icon.getContext("2d"), img = ctx.createImageData(icon.width, icon.height);
        for (let y = 0; y < icon.height && y < sh; ++y)
          for (let x = 0; x < icon.width; ++x) {
            const o = strip + (y * sw + tool.image * tables.buttonWidth + x) * 4, i = (y * icon.width + x) * 4;
            const r = HEAPU8[o], g = HEAPU8[o + 1], bl = HEAPU8[o + 2];  // the page's byte order
            // The strip's button face shows as the bar's own.
            const face = r === 192 && g === 192 && bl === 192;
            img.data[i] = r; img.data[i + 1] = g; img.data[i + 2] = bl; img.data[i + 3] = face ? 0 : 255;
          }
        ctx.putImageData(img, 0, 0);
      }
      b.appendChild(icon);
      b.addEventListener("click", () => { this.closeMenus(); this.command(tool.id); });
      bar.appendChild(b);
      this.commands.push([b, tool.id]);
    }
    document.addEventListener("pointerdown", (e) => { if (!bar.contains(e.target)) this.closeMenus(); });
  },

  // A caption with the letter that shows its mnemonic underlined.
  caption(element, text, mark) {
    const at = mark ? text.indexOf(mark) : -1;
    if (at < 0) { element.append(text); return; }
    const u = document.createElement("u");
    u.textContent = mark;
    element.append(text.slice(0, at), u, text.slice(at + mark.length));
  },

  // Closes the open menu; the keys go back to the rule, not to a button of the bar.
  closeMenus() {
    if (document.activeElement && document.getElementById("bar").contains(document.activeElement))
      document.activeElement.blur();
    for (const m of document.querySelectorAll("#bar .menu.open")) {
      m.classList.remove("open");
      m.firstChild.setAttribute("aria-expanded", "false");
    }
  },

  command(id) {
    const [larger, smaller, normal] = this.zoomIds;
    if (id === larger || id === smaller || id === normal) {
      if (id === normal) { this.zoom = null; this.layout(); this.refresh(); }
      else this.setZoom(this.factor + (id === larger ? 1 : -1));
      return true;
    }
    const ran = Module._skalor_command(id) === 1;
    this.refresh();
    return ran;
  },

  // The window in words: the heading and text in the live region, which a screen reader
  // reads as they change, and a real button over each drawn one, in the logic's order.
  speak() {
    const json = UTF8ToString(Module._skalor_narration());
    if (json === this.narration) return;
    this.narration = json;
    const n = JSON.parse(json);
    document.getElementById("speech").textContent = n.heading ? n.heading + ".\n" + n.text : "";
    this.syncButtons(document.getElementById("controls"), n.buttons, (button) => {
      button.className = "drawn";
      button.addEventListener("click", () => this.pressDrawn(button.rect));
    }, (button, b) => {
      button.textContent = b.caption;
      button.rect = b.rect;
    });
    if (this.list) this.list.element.setAttribute("aria-label", this.heading());
    this.placeControls();
  },
  // As many buttons in holder as items: each made once by make(button, index) and brought
  // up to date by update(button, item).
  syncButtons(holder, items, make, update) {
    const old = [...holder.children];
    items.forEach((item, i) => {
      let button = old[i];
      if (!button) {
        button = document.createElement("button");
        button.type = "button";
        make(button, i);
        holder.appendChild(button);
      }
      update(button, item);
    });
    for (const gone of old.slice(items.length)) gone.remove();
  },
  // What is open, as the narration heads it: the chooser that has the list.
  heading() { return this.narration ? JSON.parse(this.narration).heading : ""; },
  // A tap at the centre of a drawn button.
  pressDrawn(rect) {
    if (this.modal()) return;
    const x = Math.floor((rect[0] + rect[2]) / 2), y = Math.floor((rect[1] + rect[3]) / 2);
    Module._skalor_stylus(0, MK_LBUTTON, x, y);
    Module._skalor_stylus(2, 0, x, y);
    this.refresh();
  },
  placeControls() {
    for (const button of document.getElementById("controls").children) {
      const s = this.placeChild({ element: button, rect: button.rect });
      button.style.fontSize = 13 * s + "px";
      button.style.borderRadius = 10 * s + "px";
    }
  },

  // Enable and check states, as the update rules give them now.
  refresh() {
    if (!this.started) return;
    if (this.panelDirty) this.showPanel();
    this.speak();
    const [larger, smaller] = this.zoomIds;
    for (const [element, id] of this.commands) {
      if (id === larger || id === smaller) {
        element.disabled = id === larger ? this.factor >= this.fit : this.factor <= 1;
        continue;
      }
      const state = Module._skalor_command_state(id);
      if (state < 0) continue;
      element.disabled = !(state & 1);
      if (element.getAttribute("role") === "menuitemcheckbox")
        element.setAttribute("aria-checked", state & 2 ? "true" : "false");
    }
  },
};

// The image set travels as one gzip'd tar a scale, in base64 in the page, scale 1 first; the
// browser unpacks a scale when the page first shows it, and the others once the first frame is
// up. The first frame waits only for the blocks it shows, not for the whole page to be read.
const SkalorImages = {
  unpacked: new Map(),  // scale: a promise of its images added
  done: new Set(),
  blocks() { return [...document.querySelectorAll("script.skalor-images")]; },
  block(scale) { return document.querySelector(`script.skalor-images[data-scale="${scale}"]`); },
  // A block is whole once the parser has gone past it.
  whole(scale) {
    const b = this.block(scale);
    return b !== null && (b.nextSibling !== null || document.readyState !== "loading");
  },
  // The largest scale whose block, and so every smaller one's, has been read so far.
  largest() { return Math.max(1, ...this.blocks().map((b) => Number(b.dataset.scale)).filter((k) => this.whole(k))); },
  ready(scale) { return this.done.has(scale); },
  load(scale) {
    if (!this.unpacked.has(scale)) this.unpacked.set(scale, this.unpack(scale));
    return this.unpacked.get(scale);
  },
  all() { return Promise.all(this.blocks().map((b) => this.load(Number(b.dataset.scale)))); },
  async unpack(scale) {
    const block = this.block(scale);
    if (!block) throw new Error("the page has no images at scale " + scale);
    const data = new Uint8Array(await unpackBlock(block));
    const at = Module._malloc(data.length);
    HEAPU8.set(data, at);
    const taken = Module._skalor_image_archive(at, data.length);
    Module._free(at);
    if (!taken) throw new Error("the page's images at scale " + scale + " cannot be read");
    this.done.add(scale);
  },
};

// Base64 text as bytes, decoded once in the page (a data: URL through fetch costs ten times
// as much): by the browser's own decoder where it has one.
function bytesOfBase64(text) {
  if (Uint8Array.fromBase64) return Uint8Array.fromBase64(text);
  const s = atob(text), bytes = new Uint8Array(s.length);
  for (let i = 0; i < s.length; ++i) bytes[i] = s.charCodeAt(i);
  return bytes;
}

// The embedded font (one face for every size, gzip'd in the page's last block), which the
// lesson texts are drawn in: a frame with text waits for it, the rule alone does not.
const SkalorFont = {
  ready: false,
  begin: null,   // starts loading it, once the first frame is up and the page is read
  loaded: null,  // a promise of it loaded (or failed: the fallback faces then)
};
SkalorFont.loaded = new Promise((r) => { SkalorFont.begin = r; }).then(async () => {
  const face = new FontFace("Skalor Sans", await unpackBlock(document.getElementById("skalor-font")));
  document.fonts.add(face);
  await face.load();
}).catch(() => null).then(() => { SkalorFont.ready = true; });

// A block of the page, base64 of gzip'd bytes, as a promise of the bytes (handed to the
// decompressor straight, not through a Blob, which the browser reads back piece by piece).
function unpackBlock(block) {
  const inflate = new DecompressionStream("gzip"), writer = inflate.writable.getWriter();
  // A fault shows where the bytes are read; the writer's own promises are not waited on.
  writer.write(bytesOfBase64(block.textContent)).catch(() => null);
  writer.close().catch(() => null);
  return new Response(inflate.readable).arrayBuffer();
}

var Module = {
  // The code, in a block before emscripten's script, compiled from bytes decoded once while
  // the parser reads the rest of the page.
  instantiateWasm(imports, receive) {
    WebAssembly.instantiate(bytesOfBase64(document.getElementById("skalor-code").textContent), imports)
      .then((r) => { performance.mark("skalor-code"); receive(r.instance, r.module); });
    return {};
  },
  onRuntimeInitialized() {
    // The first frame waits for the images it shows, which follow the code in the page: once
    // their blocks are read, or else the whole page.
    const parsed = new Promise((r) => {
      if (document.readyState !== "loading") r();
      else document.addEventListener("DOMContentLoaded", r, { once: true });
    });
    const read = SkalorImages.whole(Math.max(1, SkalorPage.wholeFactor())) || document.readyState !== "loading";
    (read ? Promise.resolve() : parsed).then(() => {
      SkalorPage.maxScale = SkalorImages.largest();
      return Promise.all([SkalorImages.load(1), SkalorImages.load(SkalorPage.fitFactor())]);
    }).then(() => {
      performance.mark("skalor-images");
      SkalorPage.start();
      // The other scales, for the window-size commands and the replay's zoom, after the
      // first frame and the whole page; the replay draws text too.
      requestAnimationFrame(() => setTimeout(() => parsed.then(() => {
        SkalorFont.begin();
        const largest = SkalorImages.largest();
        if (largest !== SkalorPage.maxScale) { SkalorPage.maxScale = largest; SkalorPage.layout(); }
        return Promise.all([SkalorImages.all(), SkalorFont.loaded]);
      }).then(() => window.skalor._ready()), 0));
      registerServiceWorker();
    });
  },
};

// Served with its manifest (build/web/site/), the page keeps itself for use offline.
function registerServiceWorker() {
  if (!/^https?:$/.test(location.protocol) || !("serviceWorker" in navigator)) return;
  if (!document.querySelector('link[rel="manifest"]')) return;
  navigator.serviceWorker.register("sw.js").catch(() => null);
}

// Text as UTF-8 in the module's memory, with its length: a NUL stays in it, and a lone
// surrogate becomes U+FFFD as anywhere text is encoded, taking no character after it.
function withBytes(text, use) {
  const bytes = new TextEncoder().encode(text);
  const at = Module._malloc(bytes.length + 1);
  HEAPU8.set(bytes, at);
  HEAPU8[at + bytes.length] = 0;
  try { return use(at, bytes.length); } finally { Module._free(at); }
}

// A script through the replay session, in slices of about kReplaySliceMs, so that the page
// answers while it runs; one script at a time.
const kReplaySliceMs = 20;
let replayBudget = 256;  // events a slice, grown or shrunk to take about kReplaySliceMs
function replayScript(text, name) {
  return new Promise((resolve) => {
    // What the script printed, decoded a megabyte at a time between the page's other work.
    const printed = async (which) => {
      const at = Module._skalor_replay_output(which), size = Module._skalor_replay_output_size(which);
      const decoder = new TextDecoder();
      let out = "";
      for (let from = 0; from < size; from += 1 << 20) {
        const to = Math.min(size, from + (1 << 20));
        out += decoder.decode(HEAPU8.subarray(at + from, at + to), { stream: to < size });
        if (to < size) await new Promise((r) => setTimeout(r, 0));
      }
      return out;
    };
    const finish = async (status) => {
      Module._skalor_replay_finish();
      resolve({ status, out: await printed(0), err: await printed(1) });
    };
    const loaded = withBytes(text, (at, length) => withBytes(name || "-", (n) => Module._skalor_replay_load(at, length, n)));
    if (!loaded) { finish(2); return; }
    const slice = () => {
      const start = performance.now();
      const status = Module._skalor_replay_resume(replayBudget);
      const took = performance.now() - start;
      if (took < kReplaySliceMs / 2) replayBudget = Math.min(replayBudget * 2, 1 << 20);
      else if (took > kReplaySliceMs) replayBudget = Math.max(1, replayBudget >> 1);
      if (status < 0) setTimeout(slice, 0);
      else finish(status);
    };
    slice();
  });
}

// For tests and for whoever wants to drive the page from the console.
window.skalor = (() => {
  let resolve;
  const ready = new Promise((r) => { resolve = r; });
  let queue = ready;
  const run = (text, name) => {
    const result = queue.then(() => replayScript(text, name));
    queue = result.catch(() => null);
    return result;
  };
  return {
    _ready: resolve,
    ready,
    // What skalor-replay prints on its standard output for this script.
    replay: (text, name) => run(text, name).then((r) => r.out),
    // The same with the exit status and the errors.
    replayFull: (text, name) => run(text, name),
    state: () => JSON.parse(UTF8ToString(Module._skalor_state())),
    firstFrameMs: () => SkalorPage.firstFrameMs,
    command: (id) => SkalorPage.command(id),
    helpPage: () => ({ index: document.getElementById("help-list").selectedIndex,
                       open: document.getElementById("help").open }),
  };
})();
