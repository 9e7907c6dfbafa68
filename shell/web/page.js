// The lab's page: windows built from the dialogs' templates, their events
// queued for the program, message boxes, the window menu and the program's
// start and restart. The program (C++, see web_host.h) asks for everything
// it shows and reads the events one at a time from the queue: nothing here
// calls into it while it runs, except the small questions of lab_point_count
// and the benchmark's calls.
var LabPage = (function () {
  'use strict';

  // The numbers shared with the C++ host come from page_calls.h, written
  // by the build as the objects page_event, page_control, page_kind and
  // page_input before this script.
  var EVENT = page_event, FLAG = page_control, KIND = page_kind, IN = page_input;
  var ROLE = page_role, FOCUS = page_focus;
  // The lab's texts come from its catalogue (res/texts), written by the
  // build as the object LAB_TEXTS before this script: by language code,
  // then by name. The first language (Catalan) until the page chooses.
  // textOf(name, values...) puts the values, in order, for the text's "%s"
  // (and "%" for its "%%").
  var language = Object.keys(LAB_TEXTS)[0];
  function textOf(name) {
    var values = arguments, next = 1;
    return LAB_TEXTS[language][name].replace(/%[s%]/g, function (conversion) {
      return conversion === '%%' ? '%' : String(values[next++]);
    });
  }
  // A finger held this long without moving is the right button.
  var HOLD_MS = 500;
  // After such a finger lifts, the menu it brought up takes no click for
  // this long: the lift itself picks nothing.
  var LIFT_QUIET_MS = 400;
  // A finger that moves this far (CSS pixels) before then is the left one.
  var MOVE_SLOP = 6;

  // The language is the core's (its start language, or the one chosen in
  // the window menu, after which the window opens again): the page follows
  // it at every window it opens, its lang attribute included.
  function followLanguage() {
    var code = Module.ccall('lab_language', 'string', [], []);
    if (LAB_TEXTS[code]) language = code;
    document.documentElement.lang = textOf('LanguageTag');
  }

  // The language the page starts in: its address's (trelko.html#llengua=es,
  // also after another part: #codi=...&llengua=es), else the kept one.
  function startLanguage(module) {
    var asked = /(?:^#|&)llengua=([^&]*)/.exec(window.location.hash);
    module.ccall('lab_start_language', 'number', ['string'],
                 [asked ? decodeURIComponent(asked[1]) : '']);
    followLanguage();
  }

  var windows = [];
  var queue = [];
  var waiter = null;
  var waitTimer = 0;
  var menu = null;
  var firstFrame = -1;
  var boxes = 0;
  // The program's small icon (a data URL), shown on every caption's menu control.
  var icon = '';
  var iconSize = 0;
  // When a finger held for the right button last came off the screen.
  var heldFingerUp = -Infinity;

  function desk() { return document.getElementById('lab-desk'); }

  function colour(bgr) {
    return 'rgb(' + (bgr & 0xFF) + ',' + ((bgr >> 8) & 0xFF) + ',' + ((bgr >> 16) & 0xFF) + ')';
  }

  // --- the queue ----------------------------------------------------------------

  function push(kind, level, a, b, c, d) {
    queue.push([kind, level, a | 0, b | 0, c | 0, d | 0]);
    wake();
  }

  function wake() {
    if (waiter === null) return;
    var resume = waiter;
    waiter = null;
    clearTimeout(waitTimer);
    resume();
  }

  function nextEvent() { return queue.length > 0 ? queue.shift() : null; }

  function waitEvent(milliseconds, wakeUp) {
    if (queue.length > 0) { wakeUp(); return; }
    waiter = wakeUp;
    if (milliseconds >= 0) waitTimer = setTimeout(wake, milliseconds);
  }

  function topLevel() { return windows.length - 1; }

  // --- windows --------------------------------------------------------------------

  function openWindow(level, caption, width, height, framed, background, fontPixels) {
    if (level === 0) followLanguage();
    var root = document.createElement('div');
    root.className = 'lab-window' + (framed ? ' lab-framed' : '');
    root.dataset.level = String(level);
    root.style.visibility = 'hidden';
    root.style.font = fontPixels + 'px "Liberation Sans", Arimo, Arial, Helvetica, sans-serif';
    if (framed) {
      var bar = document.createElement('div');
      bar.className = 'lab-caption';
      bar.appendChild(menuButton(level));
      var title = document.createElement('span');
      title.textContent = caption;
      var close = document.createElement('button');
      close.className = 'lab-close';
      close.type = 'button';
      close.tabIndex = -1;
      close.title = textOf('CloseWindow');
      close.setAttribute('aria-label', textOf('CloseWindow'));
      close.textContent = '\u00d7';
      close.addEventListener('click', function () { push(EVENT.kSysCommand, level, IN.kClose); });
      bar.appendChild(title);
      bar.appendChild(close);
      root.appendChild(bar);
      document.title = caption;
      nameHeading();
    }
    var client = document.createElement('div');
    client.className = 'lab-client';
    client.style.width = width + 'px';
    client.style.height = height + 'px';
    var canvas = document.createElement('canvas');
    canvas.className = 'lab-surface';
    canvas.width = width;
    canvas.height = height;
    canvas.style.width = width + 'px';
    canvas.style.height = height + 'px';
    client.appendChild(canvas);
    root.appendChild(client);

    var w = {
      level: level, root: root, client: client, canvas: canvas,
      context: canvas.getContext('2d', {alpha: false}),
      controls: new Map(), order: [], menu: [], background: colour(background),
      restoreFocus: document.activeElement, touch: null, scale: 1,
      instruments: addInstrumentLayer(client)
    };
    windows[level] = w;
    windows.forEach(function (other, i) { if (i !== level) other.root.inert = true; });
    wireMouse(w);
    root.addEventListener('keydown', function (e) { windowKey(w, e); });
    desk().appendChild(root);
  }

  // The caption's control that opens the window menu, as a classic
  // caption's icon does: for fingers, and for a mouse too. Shown once the
  // window has a menu.
  function menuButton(level) {
    var b = document.createElement('button');
    b.className = 'lab-menu-button';
    b.type = 'button';
    b.tabIndex = -1;
    b.hidden = true;
    b.title = textOf('WindowMenuButtonName');
    b.setAttribute('aria-label', textOf('WindowMenuButtonName'));
    b.setAttribute('aria-haspopup', 'menu');
    b.setAttribute('aria-expanded', 'false');
    var picture = document.createElement('img');
    picture.alt = '';
    if (icon !== '') picture.src = icon;
    b.appendChild(picture);
    b.addEventListener('click', function () {
      if (menu !== null && menu.level === level) closeMenu();
      else showMenu(level, 0, 0);
    });
    return b;
  }

  function setCaption(level, caption) {
    var w = windows[level];
    var title = w ? w.root.querySelector('.lab-caption span') : null;
    if (title === null) return;
    title.textContent = caption;
    document.title = caption;
  }

  function addControl(level, id, kind, text, x, y, width, height, flags, rgba) {
    var w = windows[level];
    var el;
    if (kind === KIND.kPushButton) {
      el = document.createElement('button');
      el.type = 'button';
      el.textContent = text;
      if (flags & FLAG.kDefault) el.classList.add('lab-default');
      el.addEventListener('click', function () { push(EVENT.kCommand, level, id, IN.kClicked); });
    } else if (kind === KIND.kEdit) {
      el = document.createElement('input');
      el.type = 'text';
      el.value = text;
      el.spellcheck = false;
      el.autocomplete = 'off';
      // A whole number: a touch screen's keyboard of digits.
      if (flags & FLAG.kDigits) el.inputMode = 'numeric';
      if (flags & FLAG.kReadOnly) {
        el.readOnly = true;
        el.style.background = w.background;
      }
      if (flags & FLAG.kStaticEdge) el.classList.add('lab-static-edge');
      else if (flags & FLAG.kBorder) el.classList.add('lab-border');
      // Every change the student makes: typing, pasting, deleting.
      el.addEventListener('input', function () { push(EVENT.kCommand, level, id, IN.kChange); });
    } else if (kind === KIND.kText) {
      el = document.createElement('div');
      el.className = 'lab-label';
      el.textContent = text;
      if (flags & FLAG.kRight) el.style.textAlign = 'right';
      else if (flags & FLAG.kCentre) el.style.textAlign = 'center';
    } else {
      el = document.createElement('canvas');
      el.className = 'lab-picture';
      el.width = width;
      el.height = height;
      el.getContext('2d').putImageData(new ImageData(rgba, width, height), 0, 0);
      if (text !== '') {
        el.setAttribute('role', 'img');
        el.setAttribute('aria-label', text);
      }
    }
    el.classList.add('lab-control');
    el.dataset.controlId = String(id);
    el.style.left = x + 'px';
    el.style.top = y + 'px';
    el.style.width = width + 'px';
    el.style.height = height + 'px';
    // The template's first control lies on top.
    el.style.zIndex = String(1000 - w.order.length);
    if (kind === KIND.kPushButton || kind === KIND.kEdit) {
      el.tabIndex = (flags & FLAG.kTabStop) ? 0 : -1;
    }
    if (flags & FLAG.kDisabled) el.disabled = true;
    if (!(flags & FLAG.kVisible)) el.hidden = true;
    if (id !== -1 && !w.controls.has(id)) w.controls.set(id, el);
    w.order.push({el: el, tabStop: (flags & FLAG.kTabStop) !== 0});
    w.client.appendChild(el);
  }

  // The least CSS length that is both a whole number of device pixels and a
  // whole number of 64ths of a CSS pixel (1 at a whole ratio, 2 at 1.5).
  function snapUnit(ratio) {
    for (var k = 1; k <= 64 * 16; k++) {
      var device = (k / 64) * ratio;
      if (Math.abs(device - Math.round(device)) < 1e-6) return k / 64;
    }
    return 1;
  }

  function place(w, view) {
    // Centred on the page at the scale that fits it, on whole device
    // pixels, so that at a scale of 1 every pixel of the surface covers
    // whole pixels of the screen. Never left of or above the page's origin:
    // what does not fit is reached by scrolling.
    var ratio = window.devicePixelRatio || 1;
    view = view || viewSize([w]);
    // A shrunk window keeps its caption at its own size (its menu control
    // a finger's width): the caption is left out of the fit, its height
    // kept aside.
    var bar = w.root.querySelector('.lab-caption');
    var body = w.root.offsetHeight - (bar !== null ? bar.offsetHeight : 0);
    var aside = bar !== null ? CAPTION_PX : 0;
    var upright = view.height > view.width;
    var scale = fitScale(w.root.offsetWidth, body, view.width, view.height - aside, upright);
    // Upright and shrunk past legibility, the page asks for the phone to
    // be turned, below the window: its room is kept aside too.
    var invite = upright && scale < LEGIBLE_SCALE && w.level === 0;
    if (invite) {
      scale = fitScale(w.root.offsetWidth, body, view.width, view.height - aside - INVITE_PX, true);
    }
    w.scale = scale;
    w.root.style.transform = scale === 1 ? '' : 'scale(' + scale + ')';
    if (bar !== null) {
      if (scale === 1) w.root.style.removeProperty('--lab-unscale');
      else w.root.style.setProperty('--lab-unscale', String(1 / scale));
    }
    // Shrunk below one device pixel per pixel, a pixel's neighbours are
    // blended rather than dropped, so thin lines stay.
    w.canvas.style.imageRendering = scale * ratio < 1 ? 'auto' : '';
    var tall = w.root.offsetHeight * scale;
    var left = Math.max(0, (view.width - w.root.offsetWidth * scale) / 2);
    var top = Math.max(0, (view.height - tall - (invite ? INVITE_PX : 0)) / 2);
    w.root.style.left = left + 'px';
    w.root.style.top = top + 'px';
    // The canvas itself, inside the frame, starts on a whole device pixel:
    // at a place that is a whole number of device pixels and also one the
    // layout can hold (it places in 64ths of a CSS pixel); rounded up, so
    // never left of the page.
    var unit = snapUnit(ratio);
    var r = w.canvas.getBoundingClientRect();
    var x = r.left + window.scrollX, y = r.top + window.scrollY;
    w.root.style.left = left + Math.ceil(x / unit - 1e-6) * unit - x + 'px';
    w.root.style.top = top + Math.ceil(y / unit - 1e-6) * unit - y + 'px';
    if (w.level === 0) showInvitation(invite, top + tall);
  }

  function showInvitation(shown, below) {
    var p = document.getElementById('lab-turn');
    if (p === null) {
      if (!shown) return;
      p = document.createElement('p');
      p.id = 'lab-turn';
      p.textContent = textOf('TurnPhone');
      desk().appendChild(p);
    }
    p.hidden = !shown;
    p.style.top = below + 'px';
  }

  // focusId: the control that has the focus when the window opens (the
  // program's choice; 0 for none).
  function showWindow(level, focusId) {
    var w = windows[level];
    place(w);
    w.root.style.visibility = 'visible';
    // The program's first window takes the title picture's place in the
    // same frame: the student sees no change.
    var early = document.getElementById('lab-placeholder');
    if (early !== null) early.remove();
    var first = control(level, focusId);
    if (first !== null) first.focus();
    // What the student pressed on the picture, the program is told now.
    var pressed = early !== null ? control(level, Number(early.dataset.pressed)) : null;
    if (pressed !== null && pressed.tagName === 'BUTTON') pressed.click();
  }

  function closeWindow(level) {
    var w = windows[level];
    if (!w) return;
    if (menu !== null && menu.level === level) closeMenu();
    w.root.remove();
    windows.length = level;
    if (level > 0) {
      var below = windows[level - 1];
      below.root.inert = false;
      // The page's title is the window's below again.
      var title = below.root.querySelector('.lab-caption span');
      if (title !== null) document.title = title.textContent;
      if (w.restoreFocus && below.root.contains(w.restoreFocus)) w.restoreFocus.focus();
    }
  }

  function control(level, id) {
    var w = windows[level];
    return w ? w.controls.get(id) || null : null;
  }

  function setText(level, id, text) {
    var el = control(level, id);
    if (el === null) return false;
    if (el.tagName === 'INPUT') {
      if (el.value === text) return false;
      el.value = text;
      if (el.readOnly) announce(text);
      // A new text shows from its beginning.
      if (document.activeElement !== el) el.scrollLeft = 0;
      else el.setSelectionRange(0, 0);
      return true;
    }
    if (el.textContent === text) return false;
    el.textContent = text;
    return true;
  }

  function getText(level, id) {
    var el = control(level, id);
    if (el === null) return '';
    return el.tagName === 'INPUT' ? el.value : el.textContent;
  }

  function enable(level, id, on) {
    var el = control(level, id);
    if (el === null || el.tagName === 'DIV' || el.tagName === 'CANVAS') return;
    el.disabled = !on;
  }

  function isEnabled(level, id) {
    var el = control(level, id);
    return el !== null && !el.disabled;
  }

  function focus(level, id) {
    var el = control(level, id);
    if (el === null) return;
    el.focus();
    if (el.tagName === 'INPUT') el.select();
  }

  // --- fitting the screen -------------------------------------------------------------

  // The smallest scale a window is shrunk to: below it the lab's 8-point
  // text and the graph's labels are no longer legible, so the page scrolls.
  var LEGIBLE_SCALE = 0.6;

  // The caption's height on the screen, whatever the window's scale.
  var CAPTION_PX = 25;
  // The room kept below a window for the invitation to turn the phone.
  var INVITE_PX = 56;

  // A window fits the page at a scale of 1 where it can, shrunk to fit both
  // ways where it cannot, and never below the legible scale, but on a
  // screen held upright (a phone), where the whole window is in view and
  // the student is asked to turn the phone. (Two CSS pixels spare: the
  // canvas's snap to a whole device pixel moves it by up to one, and that
  // must not bring up a scroll bar.)
  function fitScale(width, height, viewWidth, viewHeight, upright) {
    var scale = Math.min((viewWidth - 2) / width, (viewHeight - 2) / height);
    if (!(scale < 1)) return 1;
    return upright ? Math.max(0.05, scale) : Math.max(LEGIBLE_SCALE, scale);
  }

  // The page's visible size without scroll bars, measured with the given
  // windows out of the way (so that their old size brings up none).
  function viewSize(ws) {
    var invite = document.getElementById('lab-turn');
    if (invite !== null) invite.hidden = true;
    ws.forEach(function (w) {
      w.root.style.transform = 'scale(0.01)';
      w.root.style.left = '0px';
      w.root.style.top = '0px';
    });
    var e = document.documentElement;
    return {width: e.clientWidth, height: e.clientHeight};
  }

  // After the browser's window changed size or the device turned.
  function placeAll() {
    var shown = windows.filter(function (w) { return w; });
    var view = viewSize(shown);
    shown.forEach(function (w) { place(w, view); });
  }

  // --- what a screen reader reads ------------------------------------------------------

  // The page's one heading is the lab's name, the page's title.
  function nameHeading() {
    var h = document.getElementById('lab-heading');
    if (h !== null) h.textContent = document.title;
  }

  // An edit's name is the core's (the text at its left, or "Missatge").
  function nameControl(level, id, name) {
    var el = control(level, id);
    if (el !== null && name !== '') el.setAttribute('aria-label', name);
  }

  // A new message of the program, read once by a screen reader (politely:
  // after what it is reading). What one event brings (a new message and
  // the focused instrument's change) is read together.
  // A message replaces one shown before it in the same event.
  var spoken = null;
  function announce(text, instrumentNews) {
    text = text.trim();
    if (text === '') return;
    if (spoken === null) {
      spoken = {message: '', news: []};
      setTimeout(function () {
        var live = document.getElementById('lab-live');
        var all = spoken.message !== '' ? [spoken.message].concat(spoken.news) : spoken.news;
        if (live !== null) live.textContent = all.join('. ');
        spoken = null;
      }, 0);
    }
    if (instrumentNews) spoken.news.push(text);
    else spoken.message = text;
  }

  // --- the surface ------------------------------------------------------------------

  // The window's image lies in the program's memory (memory, from byte
  // `at`); the page keeps one ImageData over it, made again only when the
  // memory or the image moves, and puts just the changed rectangle.
  function present(level, memory, at, imageWidth, imageHeight, x, y, width, height) {
    var w = windows[level];
    if (!w) return;
    var image = w.image;
    if (!image || image.data.buffer !== memory || w.imageAt !== at ||
        image.width !== imageWidth || image.height !== imageHeight) {
      image = w.image = new ImageData(
          new Uint8ClampedArray(memory, at, imageWidth * imageHeight * 4), imageWidth, imageHeight);
      w.imageAt = at;
    }
    w.context.putImageData(image, 0, 0, x, y, width, height);
    if (firstFrame < 0) firstFrame = performance.now();
  }

  function rgbaOf(heap32, index, count, withAlpha) {
    var out = new Uint8ClampedArray(count * 4);
    for (var i = 0; i < count; i++) {
      var p = heap32[index + i];
      out[i * 4] = (p >>> 16) & 0xFF;
      out[i * 4 + 1] = (p >>> 8) & 0xFF;
      out[i * 4 + 2] = p & 0xFF;
      out[i * 4 + 3] = withAlpha ? (p >>> 24) & 0xFF : 0xFF;
    }
    return out;
  }

  function setIcon(rgba, size) {
    var canvas = document.createElement('canvas');
    canvas.width = size;
    canvas.height = size;
    canvas.getContext('2d').putImageData(new ImageData(rgba, size, size), 0, 0);
    var link = document.querySelector('link[rel="icon"]');
    if (link === null) {
      link = document.createElement('link');
      link.rel = 'icon';
      document.head.appendChild(link);
    }
    // Encoded after the program has let the page go: the icon is no
    // reason to keep the title waiting.
    setTimeout(function () {
      var url = canvas.toDataURL('image/png');
      link.href = url;
      // The caption's menu control shows the small one.
      if (iconSize !== 0 && iconSize <= size) return;
      icon = url;
      iconSize = size;
      document.querySelectorAll('.lab-menu-button img').forEach(function (img) { img.src = url; });
    }, 0);
  }

  function nextFrame(wakeUp) {
    var done = false;
    function resume() {
      if (done) return;
      done = true;
      wakeUp();
    }
    // A page out of sight shows no frames: a moment is enough then.
    requestAnimationFrame(function () { setTimeout(resume, 0); });
    setTimeout(resume, 50);
  }

  // --- the instruments ------------------------------------------------------------------
  // The core draws its instruments (the ball, the stopwatch, the weights,
  // the graph) on the canvas and describes them (Dialog::Instruments): each
  // is a transparent element over the canvas at its rectangle, before the
  // controls in the page and in the Tab ring, with a role, a name and its
  // state for screen readers, and its keys and focus sent to the core.

  // The instruments' layer of a window's client area, under its controls.
  function addInstrumentLayer(client) {
    var layer = document.createElement('div');
    layer.className = 'lab-instruments';
    client.appendChild(layer);
    return {layer: layer, items: []};
  }

  function createInstrument(w, item) {
    var el;
    if (item.role === ROLE.kGraph) {
      // The graph: its points as a table, the line's slope and k after it.
      el = document.createElement('div');
      el.setAttribute('role', 'group');
      var table = document.createElement('table');
      table.className = 'lab-hidden';
      table.appendChild(document.createElement('caption'));
      table.appendChild(document.createElement('thead'));
      table.appendChild(document.createElement('tbody'));
      // Read on focus: the line's slope and k, then the points row by row.
      var summary = document.createElement('p');
      summary.className = 'lab-hidden';
      summary.id = 'lab-graph-summary-' + w.level + '-' + item.id;
      var rows = document.createElement('p');
      rows.className = 'lab-hidden';
      rows.id = 'lab-graph-rows-' + w.level + '-' + item.id;
      el.setAttribute('aria-describedby', summary.id + ' ' + rows.id);
      el.appendChild(table);
      el.appendChild(rows);
      el.appendChild(summary);
    } else {
      el = document.createElement('div');
      // The ball takes the arrows and L: an application of its own, so that
      // a screen reader's browse mode lets them through.
      el.setAttribute('role', item.role === ROLE.kSwitch ? 'switch'
                              : item.role === ROLE.kReadout ? 'status'
                              : item.role === ROLE.kBall ? 'application' : 'button');
      if (item.role === ROLE.kBall) el.setAttribute('aria-roledescription', 'bola');
      // A screen reader in browse mode presses a button with a click.
      if (item.role === ROLE.kButton || item.role === ROLE.kSwitch) {
        el.addEventListener('click', function () {
          push(EVENT.kInstrumentKey, w.level, item.id, IN.kSpace, 0);
        });
      }
      // A readout's state is its text, so that a change of it is read out.
      if (item.role === ROLE.kReadout) {
        var reading = document.createElement('span');
        reading.className = 'lab-hidden';
        el.appendChild(reading);
      }
    }
    el.className = 'lab-instrument';
    el.tabIndex = 0;
    el.dataset.instrument = String(item.id);
    el.addEventListener('keydown', function (e) { instrumentKey(w, item, e); });
    el.addEventListener('focus', function () {
      push(EVENT.kInstrumentFocus, w.level, item.id);
    });
    el.addEventListener('blur', function (e) {
      // On to another instrument: its own focus event says so.
      if (e.relatedTarget && e.relatedTarget.dataset &&
          e.relatedTarget.dataset.instrument !== undefined &&
          w.root.contains(e.relatedTarget)) return;
      push(EVENT.kInstrumentFocus, w.level, -1);
    });
    return el;
  }

  // The core's description of instrument `index` changed (or is new).
  function setInstrument(level, index, d) {
    var w = windows[level];
    if (!w) return;
    var items = w.instruments.items;
    var item = items[index];
    if (!item || item.role !== d.role || item.id !== d.id) {
      var fresh = {id: d.id, role: d.role, rect: null, el: null};
      fresh.el = createInstrument(w, fresh);
      if (item) item.el.replaceWith(fresh.el);
      else w.instruments.layer.appendChild(fresh.el);
      items[index] = item = fresh;
    }
    // Only what changed is touched: a moving ball changes its place and
    // depth at every tick, and nothing else.
    // The place is compared with the one last set, never read back from
    // the element's style: reading it costs more than the whole tick.
    var was = item.rect || [];
    item.rect = [d.x, d.y, d.width, d.height];
    var el = item.el;
    if (was[0] !== d.x || was[1] !== d.y) {
      el.style.transform = 'translate(' + d.x + 'px, ' + d.y + 'px)';
    }
    if (was[2] !== d.width) el.style.width = d.width + 'px';
    if (was[3] !== d.height) el.style.height = d.height + 'px';
    var label = d.state === '' ? d.name : d.name + ', ' + d.state;
    setAttribute(el, 'aria-label', label);
    if (d.keys !== '') setAttribute(el, 'aria-description', d.keys);
    if (d.role === ROLE.kSwitch) setAttribute(el, 'aria-checked', d.checked ? 'true' : 'false');
    if (d.role === ROLE.kReadout) setIfChanged(el.firstChild, d.state);
    if (d.role === ROLE.kGraph) setGraph(el, d);
    // The focused instrument's own change is read once (a readout reads
    // its own); the ball's depth alone, changing at every tick, is not.
    // (A switch's flip is its aria-checked, which readers read themselves.)
    var news = item.announced !== undefined && item.announced !== d.announced;
    item.announced = d.announced;
    if (news && d.role !== ROLE.kReadout && document.activeElement === el) announce(label, true);
  }

  // Instruments past `count` are gone.
  function keepInstruments(level, count) {
    var w = windows[level];
    if (!w) return;
    w.instruments.items.splice(count).forEach(function (item) { item.el.remove(); });
  }

  function setIfChanged(el, text) { if (el.textContent !== text) el.textContent = text; }

  function setAttribute(el, name, value) {
    if (el.getAttribute(name) !== value) el.setAttribute(name, value);
  }

  // rows: a header row, then one row per point (the report's cells).
  function setGraph(el, d) {
    var table = el.firstChild;
    setIfChanged(table.caption, d.name);
    var rows = d.table.length > 0 ? d.table : [[]];
    var head = rows[0], body = rows.slice(1);
    fillRows(table.tHead, [head], 'th');
    fillRows(table.tBodies[0], body, 'td');
    setIfChanged(el.querySelector('p'), rowsText(rows));
    setIfChanged(el.lastChild, d.summary);
  }

  // "Punt 1, m (kg) 0.7, T² (s²) 1.44. ...": each cell after its column's head.
  function rowsText(rows) {
    var head = rows[0] || [];
    return rows.slice(1).map(function (cells) {
      return cells.map(function (text, c) {
        return (head[c] !== undefined ? head[c] + ' ' : '') + text;
      }).join(', ') + '.';
    }).join(' ');
  }

  function fillRows(section, rows, cell) {
    while (section.rows.length > rows.length) section.deleteRow(-1);
    rows.forEach(function (cells, r) {
      var tr = section.rows[r] || section.insertRow(-1);
      while (tr.cells.length > cells.length) tr.deleteCell(-1);
      cells.forEach(function (text, c) {
        var td = tr.cells[c];
        if (!td) {
          td = document.createElement(cell);
          if (cell === 'th') td.scope = 'col';
          tr.appendChild(td);
        }
        setIfChanged(td, text);
      });
    });
  }

  // The page's keys as the core's key numbers; the core says which of them
  // a focused instrument takes (Space, Enter, the arrows and L, with or
  // without Shift; a held key repeats only as an arrow). Tab, Escape and F1
  // are the window's.
  var KEYS = {
    ' ': IN.kSpace, 'Enter': IN.kReturn, 'ArrowLeft': IN.kArrowLeft, 'ArrowUp': IN.kArrowUp,
    'ArrowRight': IN.kArrowRight, 'ArrowDown': IN.kArrowDown, 'l': IN.kThrow, 'L': IN.kThrow,
  };

  function keyModifiers(e) {
    return (e.shiftKey ? IN.kShiftKey : 0) | (e.ctrlKey || e.altKey || e.metaKey ? IN.kOtherModifier : 0);
  }

  function instrumentKey(w, item, e) {
    var key = KEYS[e.key];
    var takes = function (repeat) {
      return key !== undefined && Module._lab_instrument_takes_key(key, keyModifiers(e), repeat) !== 0;
    };
    if (!takes(0)) return;
    e.preventDefault();
    e.stopPropagation();
    // (a held key that does not repeat is still the instrument's: it does
    // nothing, rather than scroll the page)
    if (e.repeat && !takes(1)) return;
    push(EVENT.kInstrumentKey, w.level, item.id, key, e.shiftKey ? IN.kShiftKey : 0);
  }

  // The smallest target a finger is sure to hit, in CSS pixels.
  var FINGER_TARGET = 24;

  // A finger that lands near a small button or switch, where no other
  // instrument lies, takes it as aimed at: its target is grown around the
  // instrument's own rectangle to FINGER_TARGET CSS pixels, and the nearest
  // instrument whose target holds the point takes it.
  function fingerTarget(w, p) {
    var items = w.instruments.items;
    var inside = function (r, x, y) {
      return x >= r[0] && y >= r[1] && x < r[0] + r[2] && y < r[1] + r[3];
    };
    if (items.some(function (item) { return inside(item.rect, p[0], p[1]); })) return p;
    var least = FINGER_TARGET / (w.scale || 1);
    var best = null, bestDistance = Infinity;
    items.forEach(function (item) {
      if (item.role !== ROLE.kButton && item.role !== ROLE.kSwitch) return;
      var r = item.rect;
      var gx = Math.max(0, (least - r[2]) / 2), gy = Math.max(0, (least - r[3]) / 2);
      if (!inside([r[0] - gx, r[1] - gy, r[2] + 2 * gx, r[3] + 2 * gy], p[0], p[1])) return;
      var dx = Math.max(r[0] - p[0], 0, p[0] - (r[0] + r[2] - 1));
      var dy = Math.max(r[1] - p[1], 0, p[1] - (r[1] + r[3] - 1));
      if (dx * dx + dy * dy < bestDistance) {
        bestDistance = dx * dx + dy * dy;
        best = r;
      }
    });
    if (best === null) return p;
    return [Math.min(Math.max(p[0], best[0]), best[0] + best[2] - 1),
            Math.min(Math.max(p[1], best[1]), best[1] + best[3] - 1)];
  }

  // --- the mouse and the fingers ------------------------------------------------------

  function clientPoint(w, e) {
    var r = w.canvas.getBoundingClientRect();
    var sx = r.width > 0 ? w.canvas.width / r.width : 1;
    var sy = r.height > 0 ? w.canvas.height / r.height : 1;
    return [Math.floor((e.clientX - r.left) * sx), Math.floor((e.clientY - r.top) * sy)];
  }

  function buttonFlags(buttons) {
    return ((buttons & 1) ? IN.kLeftButton : 0) | ((buttons & 2) ? IN.kRightButton : 0);
  }

  function mouse(w, kind, flags, p) { push(EVENT.kMouse, w.level, kind, flags, p[0], p[1]); }

  function wireMouse(w) {
    var canvas = w.canvas;
    canvas.addEventListener('pointerdown', function (e) {
      if (e.pointerType === 'touch') { fingerDown(w, e); return; }
      if (e.button !== 0 && e.button !== 2) return;
      // The drag stays the window's when it leaves the canvas.
      canvas.setPointerCapture(e.pointerId);
      mouse(w, e.button === 0 ? IN.kLeftDown : IN.kRightDown, buttonFlags(e.buttons),
            clientPoint(w, e));
    });
    canvas.addEventListener('pointermove', function (e) {
      if (e.pointerType === 'touch') { fingerMove(w, e); return; }
      var p = clientPoint(w, e);
      // A second button pressed or released during a drag.
      if (e.button === 0 || e.button === 2) {
        var down = (e.buttons & (e.button === 0 ? 1 : 2)) !== 0;
        var kind = e.button === 0 ? (down ? IN.kLeftDown : IN.kLeftUp)
                                  : (down ? IN.kRightDown : IN.kRightUp);
        mouse(w, kind, buttonFlags(e.buttons), p);
        return;
      }
      mouse(w, IN.kMove, buttonFlags(e.buttons), p);
    });
    canvas.addEventListener('pointerup', function (e) {
      if (e.pointerType === 'touch') { fingerUp(w, e); return; }
      if (e.button !== 0 && e.button !== 2) return;
      mouse(w, e.button === 0 ? IN.kLeftUp : IN.kRightUp, buttonFlags(e.buttons),
            clientPoint(w, e));
    });
    canvas.addEventListener('pointercancel', function (e) {
      if (e.pointerType === 'touch') fingerUp(w, e);
    });
    // A press on the picture leaves the focus where it is, as on the desktop.
    canvas.addEventListener('mousedown', function (e) { e.preventDefault(); });
  }

  // A finger is the left button; held still for a moment, the right one.
  function fingerDown(w, e) {
    if (w.touch !== null) return;
    e.preventDefault();
    w.canvas.setPointerCapture(e.pointerId);
    var start = fingerTarget(w, clientPoint(w, e));
    var t = {id: e.pointerId, x: e.clientX, y: e.clientY, start: start,
             mode: 'pending', timer: 0};
    t.timer = setTimeout(function () {
      if (t.mode !== 'pending') return;
      t.mode = 'right';
      mouse(w, IN.kRightDown, IN.kRightButton, t.start);
    }, HOLD_MS);
    w.touch = t;
  }

  function fingerMove(w, e) {
    var t = w.touch;
    if (t === null || t.id !== e.pointerId) return;
    var p = clientPoint(w, e);
    if (t.mode === 'pending') {
      if (Math.hypot(e.clientX - t.x, e.clientY - t.y) < MOVE_SLOP) return;
      clearTimeout(t.timer);
      t.mode = 'left';
      mouse(w, IN.kLeftDown, IN.kLeftButton, t.start);
    }
    mouse(w, IN.kMove, t.mode === 'left' ? IN.kLeftButton : IN.kRightButton, p);
  }

  function fingerUp(w, e) {
    var t = w.touch;
    if (t === null || t.id !== e.pointerId) return;
    clearTimeout(t.timer);
    w.touch = null;
    if (t.mode === 'right') heldFingerUp = performance.now();
    var p = clientPoint(w, e);
    if (t.mode === 'pending') {
      // A tap: pressed and released on what it was taken to aim at.
      mouse(w, IN.kLeftDown, IN.kLeftButton, t.start);
      mouse(w, IN.kLeftUp, 0, t.start);
    } else {
      mouse(w, t.mode === 'left' ? IN.kLeftUp : IN.kRightUp, 0, p);
    }
  }

  function fingerHeld() {
    return windows.some(function (w) { return w && w.touch !== null && w.touch.mode === 'right'; });
  }

  // --- keys --------------------------------------------------------------------------

  // The element of a stop of the core's Tab ring (platform/focus_ring.h).
  function stopElement(w, stop) {
    var kind = Math.floor(stop / FOCUS.kKindUnit), id = stop % FOCUS.kKindUnit;
    if (kind === FOCUS.kControl) return control(w.level, id);
    if (kind !== FOCUS.kInstrument) return null;
    var item = w.instruments.items.find(function (i) { return i.id === id; });
    return item ? item.el : null;
  }

  // Where Tab (Shift+Tab) goes from the focused element: the core's ring.
  function nextStop(w, backwards) {
    var el = document.activeElement, kind = FOCUS.kNowhere, id = 0;
    if (el && w.root.contains(el) && el.dataset.instrument !== undefined) {
      kind = FOCUS.kInstrument;
      id = Number(el.dataset.instrument);
    } else if (el && w.root.contains(el) && el.dataset.controlId !== undefined) {
      kind = FOCUS.kControl;
      id = Number(el.dataset.controlId);
    }
    return stopElement(w, Module._lab_next_focus_stop(w.level, kind, id, backwards ? 1 : 0));
  }

  function windowKey(w, e) {
    if (e.ctrlKey || e.altKey || e.metaKey) return;
    if (e.key === 'Tab' && menu === null) {
      // Tab goes round the window's instruments and controls, never out of
      // the window.
      var next = nextStop(w, e.shiftKey);
      if (next === null) return;
      e.preventDefault();
      next.focus();
      if (next.tagName === 'INPUT') next.select();
      return;
    }
    if (e.shiftKey) return;
    if (e.key === 'Enter') {
      // Enter on a push button presses that button (the browser does); in
      // any other control it presses the default button.
      if (e.target.tagName === 'BUTTON') return;
      e.preventDefault();
      push(EVENT.kKey, w.level, IN.kReturn);
    } else if (e.key === 'Escape') {
      e.preventDefault();
      if (menu !== null) { closeMenu(); return; }
      push(EVENT.kKey, w.level, IN.kEscape);
    } else if (e.key === 'F1') {
      e.preventDefault();
      push(EVENT.kMenuKey, w.level);
    }
  }

  // Keys while nothing has the focus go to the innermost window.
  function pageKey(e) {
    var w = windows[topLevel()];
    if (!w || e.defaultPrevented || document.querySelector('dialog.lab-message[open]')) return;
    if (e.target === document.body || e.target === document.documentElement) windowKey(w, e);
  }

  // --- the window menu ------------------------------------------------------------------

  function addMenuItem(level, command, text) {
    windows[level].menu.push({command: command, text: text, enabled: true});
    var b = windows[level].root.querySelector('.lab-menu-button');
    if (b !== null && command !== 0) b.hidden = false;
  }

  function clearMenu(level) {
    var w = windows[level];
    if (!w) return;
    w.menu = [];
    var b = w.root.querySelector('.lab-menu-button');
    if (b !== null) b.hidden = true;
  }

  function enableMenuItem(level, command, on) {
    var w = windows[level];
    if (!w) return;
    w.menu.forEach(function (item) { if (item.command === command) item.enabled = on; });
  }

  function showMenu(level, x, y) {
    closeMenu();
    var w = windows[level];
    var items = w.menu.filter(function (item, i, all) {
      // No separator at either end.
      return item.command !== 0 || (i > 0 && i < all.length - 1);
    });
    if (items.length === 0) return;
    var el = document.createElement('div');
    el.className = 'lab-menu';
    el.setAttribute('role', 'menu');
    items.forEach(function (item) {
      if (item.command === 0) {
        var line = document.createElement('hr');
        el.appendChild(line);
        return;
      }
      var b = document.createElement('button');
      b.type = 'button';
      b.setAttribute('role', 'menuitem');
      b.textContent = item.text;
      b.dataset.command = String(item.command);
      b.disabled = !item.enabled;
      b.addEventListener('click', function () {
        // The finger that held the menu up picks nothing as it lifts.
        if (fingerHeld() || performance.now() - heldFingerUp < LIFT_QUIET_MS) return;
        closeMenu();
        push(EVENT.kSysCommand, level, item.command);
      });
      el.appendChild(b);
    });
    w.client.appendChild(el);
    keepInView(w, el, x, y);
    menu = {level: level, el: el, restore: document.activeElement};
    setMenuExpanded(level, 'true');
    var first = el.querySelector('button:enabled');
    if (first) first.focus();
  }

  // The menu at a client point, moved as little as it takes to lie whole
  // on the screen and in its window (which clips what leaves it).
  function keepInView(w, el, x, y) {
    el.style.left = x + 'px';
    el.style.top = y + 'px';
    var r = el.getBoundingClientRect(), c = w.client.getBoundingClientRect();
    var v = window.visualViewport;
    var view = v ? [v.offsetLeft, v.offsetTop, v.offsetLeft + v.width, v.offsetTop + v.height]
                 : [0, 0, document.documentElement.clientWidth,
                    document.documentElement.clientHeight];
    var box = [Math.max(c.left, view[0]), Math.max(c.top, view[1]),
               Math.min(c.right, view[2]), Math.min(c.bottom, view[3])];
    var shift = function (low, high, from, to) {
      if (high > to) low -= high - to;
      return low < from ? from : low;
    };
    var left = shift(r.left, r.right, box[0], box[2]);
    var top = shift(r.top, r.bottom, box[1], box[3]);
    var scale = w.scale || 1;
    el.style.left = x + (left - r.left) / scale + 'px';
    el.style.top = y + (top - r.top) / scale + 'px';
  }

  function setMenuExpanded(level, value) {
    var w = windows[level];
    var b = w ? w.root.querySelector('.lab-menu-button') : null;
    if (b !== null) b.setAttribute('aria-expanded', value);
  }

  function closeMenu() {
    if (menu === null) return;
    var m = menu;
    menu = null;
    setMenuExpanded(m.level, 'false');
    m.el.remove();
    if (m.restore && document.contains(m.restore)) m.restore.focus();
  }

  // --- message boxes ----------------------------------------------------------------------

  function messageBox(text, caption) {
    closeMenu();
    var number = ++boxes;
    var d = document.createElement('dialog');
    d.className = 'lab-message';
    var bar = document.createElement('div');
    bar.className = 'lab-caption';
    bar.textContent = caption;
    var body = document.createElement('div');
    body.className = 'lab-message-body';
    var icon = document.createElement('div');
    icon.className = 'lab-message-icon';
    icon.textContent = '!';
    var p = document.createElement('p');
    p.textContent = text;
    body.appendChild(icon);
    body.appendChild(p);
    var row = document.createElement('div');
    row.className = 'lab-message-buttons';
    var ok = document.createElement('button');
    ok.type = 'button';
    // The button reads as on a Catalan desktop's message box.
    ok.textContent = textOf('OkButton');
    ok.addEventListener('click', function () { d.close(); });
    row.appendChild(ok);
    d.appendChild(bar);
    d.appendChild(body);
    d.appendChild(row);
    labelMessageBox(d, bar, p, number);
    d.addEventListener('close', function () {
      d.remove();
      push(EVENT.kBoxAnswered, -1, number);
    });
    desk().appendChild(d);
    d.showModal();
    ok.focus();
    return number;
  }

  // A message box is a dialog named by its caption, its text its description.
  function labelMessageBox(d, caption, text, number) {
    caption.id = 'lab-message-caption-' + number;
    text.id = 'lab-message-text-' + number;
    d.setAttribute('aria-labelledby', caption.id);
    d.setAttribute('aria-describedby', text.id);
  }

  // --- the clipboard, downloads, storage ----------------------------------------------------

  function setClipboard(text, html) {
    // Within the click that chose the menu item the page may copy at once,
    // both forms together.
    var copied = false;
    function onCopy(e) {
      e.clipboardData.setData('text/plain', text);
      e.clipboardData.setData('text/html', html);
      e.preventDefault();
      copied = true;
    }
    document.addEventListener('copy', onCopy);
    try { document.execCommand('copy'); } catch (e) { /* no clipboard here */ }
    document.removeEventListener('copy', onCopy);
    if (copied || !navigator.clipboard) return;
    try {
      navigator.clipboard.write([new ClipboardItem({
        'text/plain': new Blob([text], {type: 'text/plain'}),
        'text/html': new Blob([html], {type: 'text/html'})
      })]).catch(function () { return navigator.clipboard.writeText(text); })
          .catch(function () {});
    } catch (e) { /* no clipboard here */ }
  }

  // The pixels of a PNG, or null when the browser cannot read it.
  function pngPixels(blob) {
    return createImageBitmap(blob, {colorSpaceConversion: 'none', premultiplyAlpha: 'none'})
        .then(function (bitmap) {
          var canvas = document.createElement('canvas');
          canvas.width = bitmap.width;
          canvas.height = bitmap.height;
          var context = canvas.getContext('2d');
          context.drawImage(bitmap, 0, 0);
          return {canvas: canvas, data: context.getImageData(0, 0, canvas.width, canvas.height).data};
        }).catch(function () { return null; });
  }

  // The core writes its PNG pictures uncompressed; the browser's own PNG
  // writer packs the same pixels into a few times fewer bytes. The packed
  // file is kept only when it reads back to exactly the same pixels.
  function packedPng(blob) {
    return pngPixels(blob).then(function (original) {
      if (original === null || !original.canvas.toBlob) return blob;
      return new Promise(function (resolve) { original.canvas.toBlob(resolve, 'image/png'); })
          .then(function (packed) {
            if (!packed || packed.size >= blob.size) return blob;
            return pngPixels(packed).then(function (back) {
              if (back === null || back.data.length !== original.data.length) return blob;
              for (var i = 0; i < back.data.length; i++) {
                if (back.data[i] !== original.data[i]) return blob;
              }
              return packed;
            });
          });
    }, function () { return blob; });
  }

  // The browser saves it in its downloads (asking where, if so set); a
  // picture is packed first.
  function download(name, bytes) {
    var blob = new Blob([bytes]);
    if (/\.png$/i.test(name) && window.createImageBitmap) {
      packedPng(blob).then(function (packed) { offer(name, packed); });
    } else {
      offer(name, blob);
    }
  }

  function offer(name, blob) {
    var base = name.split(/[\\/]/).pop() || 'trelko';
    var url = URL.createObjectURL(blob);
    var a = document.createElement('a');
    a.href = url;
    a.download = base;
    document.body.appendChild(a);
    a.click();
    a.remove();
    setTimeout(function () { URL.revokeObjectURL(url); }, 60000);
  }

  var STATE_PREFIX = 'trelko/';

  function readState(name) {
    try {
      return window.localStorage.getItem(STATE_PREFIX + name);
    } catch (e) {
      return null;  // storage turned off, or not offered to this page
    }
  }

  function writeState(name, text) {
    try {
      window.localStorage.setItem(STATE_PREFIX + name, text);
      return true;
    } catch (e) {
      return false;  // full, or turned off
    }
  }

  // --- the program's life --------------------------------------------------------------------

  function hidden() { return document.visibilityState === 'hidden'; }

  function reset() {
    closeMenu();
    windows.forEach(function (w) { w.root.remove(); });
    windows.length = 0;
    queue.length = 0;
    document.querySelectorAll('dialog.lab-message').forEach(function (d) { d.remove(); });
  }

  function start(module) {
    document.addEventListener('visibilitychange', function () { push(EVENT.kVisibility, -1); });
    document.addEventListener('keydown', pageKey);
    // The browser's own menu never comes up over the lab.
    document.addEventListener('contextmenu', function (e) { e.preventDefault(); });
    document.addEventListener('pointerdown', function (e) {
      if (menu === null || menu.el.contains(e.target)) return;
      // The caption's control closes its own menu on its click.
      var b = e.target.closest && e.target.closest('.lab-menu-button');
      if (b === null || !windows[menu.level] || !windows[menu.level].root.contains(b)) closeMenu();
    }, true);
    window.addEventListener('resize', placeAll);
    nameHeading();
    // Points in the table would be lost: the browser asks first.
    window.addEventListener('beforeunload', function (e) {
      if (module._lab_point_count() > 0) {
        e.preventDefault();
        e.returnValue = '';
      }
    });
    var runs = 0;
    (function run() {
      runs++;
      document.documentElement.dataset.labRuns = String(runs);
      // trelko.html#codi=CODE: the first run opens on that code's string.
      var linked = /^#codi=([^&]*)/.exec(window.location.hash);
      module.ccall('lab_set_linked_code', null, ['string'],
                   [runs === 1 && linked ? decodeURIComponent(linked[1]) : '']);
      Promise.resolve(module.ccall('lab_run', 'number', [], [], {async: true})).then(function () {
        // The program ended (Escape, the close button): it starts again.
        reset();
        setTimeout(run, 0);
      });
    })();
  }

  return {
    openWindow: openWindow, addControl: addControl, showWindow: showWindow,
    closeWindow: closeWindow, setCaption: setCaption, setText: setText, getText: getText,
    enable: enable, isEnabled: isEnabled, focus: focus, setInstrument: setInstrument,
    nameControl: nameControl,
    keepInstruments: keepInstruments, clearMenu: clearMenu, addMenuItem: addMenuItem, showMenu: showMenu,
    enableMenuItem: enableMenuItem, setClipboard: setClipboard, download: download,
    readState: readState, writeState: writeState,
    setIcon: setIcon, present: present, rgbaOf: rgbaOf, nextEvent: nextEvent,
    waitEvent: waitEvent, hidden: hidden, messageBox: messageBox, nextFrame: nextFrame,
    start: start, startLanguage: startLanguage, firstFrame: function () { return firstFrame; }, text: textOf,
    // The innermost window paints itself whole again.
    repaint: function () { push(EVENT.kPaint, topLevel()); },
    pending: function () { return queue.length; }
  };
})();

// --- loading ------------------------------------------------------------------------
// The program was compiled as the page was read (LabProgram, in the page
// before this script); it is joined to the page's calls here.
Module['instantiateWasm'] = function (imports, receive) {
  LabProgram.instantiate(imports).then(function (result) {
    receive(result.instance, result.module);
  }, function (e) {
    console.error('The lab could not start: ' + e);
  });
  return {};
};
// The program starts in a task of its own, after the one that made it.
Module['onRuntimeInitialized'] = function () {
  setTimeout(function () {
    LabPage.startLanguage(Module);
    // trelko.html#professorat: the teacher's sheet (teacher_sheet.js) instead of the lab.
    if (TeacherSheet.wanted()) TeacherSheet.show(Module);
    else LabPage.start(Module);
  }, 0);
};
