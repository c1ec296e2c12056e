// The page side of the browser shell: binds the controls to the window logic and shows what it
// asks for. Every control's id is its form name; main.cpp calls back into Ardenika below.

// A dragged charge's field lines are traced on a worker, in an instance of the page's own module,
// while the page's thread draws the rest of the frame; the worker's passes come back in a
// transferred buffer and the frame is shown when they are drawn. Until the worker is ready, or
// without one, or when the field lines are not the frame's last picture, a frame is drawn whole.
var LineWorker = (function () {
  'use strict';
  var compiled = null, worker = null, ready = false;
  // The frame waiting for its lines, by number; 0 for none.
  var pending = 0, frames = 0, sent = 0;
  // Frames shown with the worker's lines.
  var finished = 0;
  // When the page had drawn the rest of the last frame, and how long it then waited for its lines.
  var drawnAt = 0, waited = 0, traced = 0, beginTook = 0;
  var settling = false;
  // The benchmark's stand-in for a slower processor (DevTools slows the page's thread alone): the
  // worker then takes that many times as long as it did.
  var slowdown = 1;

  // The module's own name for one of its functions: the build shortens the names, and the page's
  // functions that call them say which (Module["asm"]["Q"]) until first called.
  function moduleName(name) {
    if (Module.asm[name]) return name;
    var said = /\["asm"\]\["([^"]+)"\]/.exec(String(Module['_' + name]));
    return said ? said[1] : null;
  }

  // The worker's whole program, sent as its source.
  function workerMain() {
    var exports = null, memory = null, names = null;
    function heap() { return new Int32Array(memory.buffer); }
    // The family of the given charges (x, y and sign each), as the module lists it.
    function trace(charges) {
      var at = exports[names.malloc](charges.length * 4 + 4);
      heap().set(charges, at >> 2);
      var list = exports[names.ardenika_trace_lines](at, charges.length / 3) >> 2;
      exports[names.free](at);
      var view = heap();
      return view.slice(list + 1, list + 1 + view[list]);
    }
    onmessage = function (e) {
      var m = e.data;
      if (!m.module) {
        var started = performance.now();
        var list = trace(m.charges);
        var took = performance.now() - started, until = performance.now() + (m.slowdown - 1) * took;
        while (performance.now() < until) { /* a slower processor's time */ }
        postMessage({ id: m.id, list: list, took: took }, [list.buffer]);
        return;
      }
      names = m.names;
      // Tracing calls none of the module's imports but the copy of a large block and the clock.
      var imports = {};
      WebAssembly.Module.imports(m.module).forEach(function (i) {
        var space = imports[i.module] || (imports[i.module] = {}), name = m.imports[i.name] || i.name;
        if (i.kind === 'memory') space[i.name] = memory = new WebAssembly.Memory({ initial: m.pages, maximum: m.pages });
        else if (name === '_emscripten_memcpy_big') space[i.name] = function (to, from, n) { new Uint8Array(memory.buffer).copyWithin(to, from, from + n); };
        else if (name === '_emscripten_get_now') space[i.name] = function () { return performance.now(); };
        else if (i.kind === 'function') space[i.name] = function () { throw new Error(name + ' is not on the worker'); };
      });
      WebAssembly.instantiate(m.module, imports).then(function (instance) {
        exports = instance.exports;
        memory = memory || exports[names.memory];
        // Tracing needs none of the module's constructors: its tables and buffers start on first use.
        // The browser's optimising compiler has the tracer after some families: the first frames
        // would wait on its quickly compiled code (2.2 ms a family after four, 1.7 after sixteen).
        for (var k = 0; k < 16; ++k) trace(m.warmUp);
        postMessage({ ready: true });
      }).catch(function (reason) { postMessage({ failed: String(reason) }); });
    };
  }

  // A worker that fails is let go; a frame waiting for it is finished here.
  function drop() {
    if (worker) worker.terminate();
    worker = null;
    ready = false;
    if (pending) LineWorker.settle();
  }

  function received(e) {
    var m = e.data;
    if (m.ready) { ready = true; return; }
    if (m.failed !== undefined) { drop(); return; }
    if (m.id !== pending) return; // a frame settled here meanwhile
    pending = 0;
    waited = performance.now() - drawnAt;
    traced = m.took;
    var bytes = m.list.length * 4, at = Module._malloc(bytes || 4);
    HEAP32.set(m.list, at >> 2);
    if (Module._ardenika_finish_frame(at, m.list.length)) ++finished;
    Module._free(at);
    Ardenika.frameDone();
  }

  return {
    // The compiled module, kept from the page's start.
    keep: function (module) { compiled = module; },
    // Starts the worker once the page is idle; the warm-up's charges as x, y and sign each.
    start: function (warmUp) {
      if (worker || !compiled || typeof Worker === 'undefined') return;
      try {
        var source = URL.createObjectURL(new Blob(['(' + workerMain + ')()'], { type: 'text/javascript' }));
        worker = new Worker(source);
        URL.revokeObjectURL(source);
      } catch (reason) {
        worker = null;
        return;
      }
      worker.onmessage = received;
      worker.onerror = drop;
      var names = { memory: Object.keys(Module.asm).filter(function (k) { return Module.asm[k] instanceof WebAssembly.Memory; })[0] };
      ['malloc', 'free', 'ardenika_trace_lines'].forEach(function (name) { names[name] = moduleName(name); });
      var imports = {};
      Object.keys(asmLibraryArg).forEach(function (k) { imports[k] = asmLibraryArg[k].name; });
      worker.postMessage({ module: compiled, names: names, imports: imports, pages: HEAP8.length / 65536, warmUp: warmUp });
    },
    ready: function () { return ready; },
    slowTo: function (times) { slowdown = times; },
    lastWait: function () { return waited; },
    lastTrace: function () { return traced; },
    lastBegin: function () { return beginTook; },
    // A frame of a dragged charge: its lines sent to the worker and the rest drawn here, or drawn
    // whole. False while a frame waits for its lines.
    frame: function () {
      if (pending) return false;
      if (!ready) {
        Module._ardenika_frame();
        return true;
      }
      sent = 0;
      var begun = performance.now();
      if (Module._ardenika_begin_frame()) pending = sent;
      drawnAt = performance.now();
      beginTook = drawnAt - begun;
      return true;
    },
    // The charges of a frame about to be drawn (x, y and sign each, count of them), to the worker.
    send: function (at, count) {
      sent = ++frames;
      worker.postMessage({ id: sent, charges: HEAP32.slice(at >> 2, (at >> 2) + 3 * count), slowdown: slowdown });
    },
    waiting: function () { return pending !== 0; },
    finished: function () { return finished; },
    // Every call into the program but the frame's own and a dragged charge's moves (which only
    // say where it is wanted) first finishes a frame waiting for its lines; run once it has
    // started, with the module's own functions.
    guard: function () {
      var own = ['ardenika_begin_frame', 'ardenika_finish_frame', 'ardenika_settle_frame', 'ardenika_trace_lines',
                 'ardenika_pointer'];
      Object.keys(Module).forEach(function (key) {
        var name = key.slice(1), f = key.indexOf('_ardenika_') === 0 && Module.asm[moduleName(name)];
        if (!f || own.indexOf(name) >= 0) return;
        Module[key] = function () {
          LineWorker.settle();
          return f.apply(null, arguments);
        };
      });
    },
    // A frame waiting for its lines finished here, before anything else reaches the program.
    settle: function () {
      if (!pending || settling) return;
      settling = true;
      pending = 0;
      Module._ardenika_settle_frame();
      settling = false;
      Ardenika.frameDone();
    },
  };
})();

var Ardenika = (function () {
  'use strict';
  var board = null, boardContext = null, progress = null, cursorMark = null;
  var errorBox = document.getElementById('ErrorBox');
  var words = null;
  var faces = null;
  // The names the page finds its parts by and the codes it sends, from the program's form JSON.
  var names = null, codes = null;
  function part(name) { return document.getElementById(names[name]); }

  function run(id) {
    // A menu item chosen: the focus goes back to its menu's title, as the menu closes.
    var within = document.activeElement && document.activeElement.closest('.submenu');
    closeMenus();
    if (within) document.getElementById(within.getAttribute('aria-labelledby')).focus();
    Module.ccall('ardenika_run', 'boolean', ['string'], [id]);
  }

  function fontOf(role) {
    return faces[role].map(function (f) { return /\s/.test(f) ? '"' + f + '"' : f; }).join(', ') +
      (role === 'serif' ? ', serif' : ', sans-serif');
  }
  function place(e, c) {
    e.style.left = c.left + 'px';
    e.style.top = c.top + 'px';
    if (c.kind === 'label') {
      e.style.minWidth = c.width + 'px';
      e.style.lineHeight = c.height + 'px';
    } else {
      e.style.width = c.width + 'px';
      e.style.height = c.height + 'px';
    }
  }

  // A caption whose "&" marks its accelerator: the letter underlined, Alt with it said as the
  // element's shortcut.
  function setCaption(e, caption) {
    var amp = caption.indexOf('&');
    if (amp < 0) {
      e.textContent = caption;
      return;
    }
    var key = caption.charAt(amp + 1);
    var u = document.createElement('u');
    u.textContent = key;
    // in one span: a flex button would drop the spaces at the underlined letter's sides
    var text = e.classList.contains('b') ? e.appendChild(document.createElement('span')) : e;
    text.append(caption.slice(0, amp), u, caption.slice(amp + 2));
    e.setAttribute('aria-keyshortcuts', 'Alt+' + key.toUpperCase());
  }
  // A shortcut as the form writes it ("Ctrl+M", "Ctrl+Return"): the key as KeyboardEvent.key
  // names it, lower case, and as aria-keyshortcuts says it.
  function shortcutOf(text) {
    var parts = text.split('+'), key = parts.pop();
    key = key === 'Return' ? 'Enter' : key;
    return { ctrl: parts.indexOf('Ctrl') >= 0, shift: parts.indexOf('Shift') >= 0, key: key.toLowerCase(),
             spoken: parts.map(function (m) { return m === 'Ctrl' ? 'Control' : m; }).concat(key).join('+') };
  }
  function pressed(e, shortcut) {
    return (e.ctrlKey || e.metaKey) === shortcut.ctrl && e.shiftKey === shortcut.shift && !e.altKey &&
      e.key.toLowerCase() === shortcut.key;
  }

  // The window from the program's form table: each control an element whose id is its form
  // name, placed in its parent; the menu bar from the menu table.
  function buildForm(form) {
    names = form.names;
    codes = form.codes;
    pngMaxFile = form.pngMaxFile;
    faces = JSON.parse(UTF8ToString(Module._ardenika_dialogs_json())).families;
    showPageWords(form);
    document.body.style.font = form.fontPixels + 'px ' + fontOf('sans');
    bar.id = names.menuBar;
    document.querySelector('#window > .form').id = names.window;
    var nav = bar;
    form.controls.forEach(function (c) {
      var e;
      if (c.kind === 'window') {
        e = document.getElementById(c.name);
        e.style.width = c.width + 'px';
        e.style.height = c.height + 'px';
        return;
      }
      var parent = document.getElementById(c.parent);
      if (c.kind === 'group_box') {
        e = document.createElement('div');
        e.className = 'group';
        e.setAttribute('role', 'group');
        var caption = document.createElement('span');
        caption.id = c.name + 'c';
        caption.className = 'caption';
        caption.textContent = c.caption;
        e.setAttribute('aria-labelledby', caption.id);
        e.appendChild(caption);
      } else if (c.kind === 'label') {
        e = document.createElement('span');
        e.className = 'label';
        e.textContent = c.caption;
      } else if (c.kind === 'progress_bar') {
        e = document.createElement('progress');
        e.max = form.progressMax;
        e.value = 0;
        e.setAttribute('aria-labelledby', c.parent + 'c');
      } else if (c.kind === 'board') {
        e = document.createElement('canvas');
        e.className = 'board';
        e.width = c.width;
        e.height = c.height;
        e.tabIndex = 0;
        e.setAttribute('role', 'application');
      } else {
        e = document.createElement('button');
        e.className = 'b';
        e.dataset.run = '';
        if (c.kind !== 'push_button') e.setAttribute('aria-pressed', 'false');
        e.textContent = c.caption;
      }
      e.id = c.name;
      place(e, c);
      if (c.font !== 'dialog') e.style.fontFamily = fontOf(c.font);
      if (c.hint) e.title = c.hint;
      if (c.spoken && c.kind !== 'progress_bar') e.setAttribute('aria-label', c.spoken);
      parent.appendChild(e);
    });
    // The phone's layout, taken when the page chooses it.
    form.narrow.forEach(function (n) {
      var e = document.getElementById(n.name);
      var sized = n.width > 0;
      e.classList.add(sized ? 'narrow-sized' : 'narrow-placed');
      e.style.setProperty(sized ? '--narrow-width' : '--narrow-left', (sized ? n.width : n.left) + 'px');
      e.style.setProperty(sized ? '--narrow-height' : '--narrow-top', (sized ? n.height : n.top) + 'px');
    });
    var cursor = document.createElement('div');
    cursor.id = 'BoardCursor';
    cursor.setAttribute('aria-hidden', 'true');
    part('board').after(cursor);

    form.menu.forEach(function (m) {
      var item = document.createElement('button');
      item.id = m.name;
      item.setAttribute('role', m.chooses ? 'menuitemradio' : 'menuitem');
      item.tabIndex = -1;
      showMenuCaption(item, m, form.language);
      if (m.shortcut) shortcuts.push({ keys: shortcutOf(m.shortcut), id: m.name });
      if (m.submenu) {
        item.setAttribute('aria-haspopup', 'true');
        item.setAttribute('aria-expanded', 'false');
        var holder = document.createElement('div');
        holder.className = 'menu';
        var list = document.createElement('div');
        list.className = 'submenu';
        list.setAttribute('role', 'menu');
        list.setAttribute('aria-labelledby', m.name);
        holder.append(item, list);
        nav.appendChild(holder);
      } else {
        item.dataset.run = '';
        (m.parent ? document.getElementById(m.name === m.parent ? '' : m.parent).nextElementSibling : nav).appendChild(item);
      }
    });
    nav.querySelector('[role="menuitem"]').tabIndex = 0;
    board = part('board');
    boardContext = board.getContext('2d', { alpha: false });
    progress = document.querySelector('progress');
    cursorMark = document.getElementById('BoardCursor');
    buildPanel(form);
    buildPlot(form);
    bindMenus();
    bindControls();
    bindBoard();
  }

  // The measurement panel from the program's panel table, in a box of its own beside or below
  // the window; shown while the program says it is open, and mirrored from what it says it shows.
  var panelFrame = document.getElementById('PanelFrame');
  // A box's heading and its form's size, from its table's window entry.
  function dressFrame(frame, c) {
    frame.querySelector('h2').textContent = c.caption;
    var e = frame.querySelector('.form');
    e.id = c.name;
    e.style.width = c.width + 'px';
    e.style.height = c.height + 'px';
  }
  var shortcuts = [], recordShortcut = null;
  function buildPanel(form) {
    recordShortcut = shortcutOf(names.recordShortcut);
    var own = {};
    own[names.copyTable] = copyTable;
    own[names.saveTable] = saveTable;
    form.panel.forEach(function (c) {
      var e, box = null;
      if (c.kind === 'window') {
        dressFrame(panelFrame, c);
        return;
      }
      if (c.kind === 'label') {
        e = document.createElement('span');
        e.className = 'label';
        e.textContent = c.caption;
      } else if (c.kind === 'choice') {
        e = document.createElement('select');
        e.className = 'choice';
        e.addEventListener('change', function () {
          Module.ccall('ardenika_choose', null, ['string', 'number'], [c.name, e.selectedIndex]);
        });
      } else if (c.kind === 'table') {
        box = document.createElement('div');
        box.className = 'tablebox';
        e = document.createElement('table');
        e.createTHead().insertRow();
        e.createTBody();
        box.appendChild(e);
      } else {
        e = document.createElement('button');
        e.type = 'button';
        e.className = 'b';
        setCaption(e, c.caption);
        if (c.kind === 'toggle_button') e.setAttribute('aria-pressed', 'false');
        e.addEventListener('click', own[c.name] || function (event) {
          event.stopPropagation();
          run(c.name);
        });
      }
      e.id = c.name;
      place(box || e, c);
      if (c.font !== 'dialog') (box || e).style.fontFamily = fontOf(c.font);
      if (c.hint) e.title = c.hint;
      if (c.spoken) e.setAttribute('aria-label', c.spoken);
      document.getElementById(c.parent).appendChild(box || e);
    });
    document.getElementById(names.recordButton).setAttribute('aria-keyshortcuts', recordShortcut.spoken);
    bindRecordedTable(document.getElementById(names.recordedTable));
  }

  // The plot along the pair's segment, in a box of its own beside or below the panel: the
  // program's SVG shown as it is, read by the pointer and by Left and Right as a slider.
  var plotFrame = document.getElementById('PlotFrame');
  var plotView = null, summaryShown = 0, summaryTimer = null, summaryText = '';
  function buildPlot(form) {
    var own = {};
    own[names.copyPlot] = copyPlot;
    own[names.savePlot] = choosePlotFile;
    own[names.copySamples] = copySamples;
    own[names.saveSamples] = saveSamples;
    form.plot.forEach(function (c) {
      var e;
      if (c.kind === 'window') {
        dressFrame(plotFrame, c);
        return;
      }
      if (c.kind === 'plot') {
        e = plotView = document.createElement('div');
        e.className = 'plot';
        e.tabIndex = 0;
        e.setAttribute('role', 'slider');
        e.setAttribute('aria-valuemin', '0');
        e.addEventListener('pointermove', function (event) {
          var box = e.getBoundingClientRect();
          Module._ardenika_read_plot((event.clientX - box.left) * c.width / box.width);
        });
        e.addEventListener('keydown', function (event) {
          if ((event.key !== 'ArrowLeft' && event.key !== 'ArrowRight') || event.ctrlKey || event.altKey) return;
          event.preventDefault();
          Module._ardenika_step_plot((event.key === 'ArrowLeft' ? -1 : 1) * (event.shiftKey ? 10 : 1));
        });
      } else if (c.kind === 'label') {
        e = document.createElement('span');
        e.className = 'label plotlabel';
        e.textContent = c.caption;
        e.style.width = c.width + 'px';
      } else {
        e = document.createElement('button');
        e.type = 'button';
        e.className = 'b';
        setCaption(e, c.caption);
        e.addEventListener('click', own[c.name]);
      }
      e.id = c.name;
      place(e, c);
      if (c.font !== 'dialog') e.style.fontFamily = fontOf(c.font);
      if (c.hint) e.title = c.hint;
      if (c.spoken) e.setAttribute('aria-label', c.spoken);
      plotFrame.querySelector('.form').appendChild(e);
    });
    // What is said of the plot follows a dragged charge at most once a second.
    var summary = document.getElementById(names.plotSummary);
    summary.setAttribute('aria-live', 'polite');
    plotView.setAttribute('aria-describedby', names.plotSummary);
  }
  function showSummary() {
    summaryTimer = null;
    summaryShown = Date.now();
    setText(document.getElementById(names.plotSummary), summaryText);
  }
  function showPlotState(state) {
    if (plotView.dataset.svg !== state.svg) {
      plotView.dataset.svg = state.svg;
      plotView.innerHTML = state.svg;
      var picture = plotView.querySelector('svg');
      if (picture) picture.setAttribute('aria-hidden', 'true');
    }
    setText(document.getElementById('plot_reading'), state.reading);
    plotView.setAttribute('aria-valuemax', String(Math.max(state.samples - 1, 0)));
    plotView.setAttribute('aria-valuenow', String(Math.max(state.at, 0)));
    plotView.setAttribute('aria-valuetext', state.reading || state.summary);
    summaryText = state.summary;
    var wait = 1000 - (Date.now() - summaryShown);
    if (wait <= 0) showSummary();
    else if (summaryTimer === null) summaryTimer = setTimeout(showSummary, wait);
  }
  function plotText(what) {
    var at = Module._ardenika_plot_text(what);
    return HEAPU8.slice(at, at + Module._ardenika_handed_size());
  }
  // The plot as a PNG at a scale, drawn by the browser from the program's SVG.
  function plotPng(scale, then) {
    var svg = new TextDecoder().decode(plotText(0));
    var image = new Image();
    image.onload = function () {
      var canvas = document.createElement('canvas');
      canvas.width = image.width * scale;
      canvas.height = image.height * scale;
      var context = canvas.getContext('2d');
      context.scale(scale, scale);
      context.drawImage(image, 0, 0);
      canvas.toBlob(then, 'image/png');
    };
    image.src = 'data:image/svg+xml;charset=utf-8,' + encodeURIComponent(svg);
  }
  function copyPlot() {
    var said = function () { Ardenika.announce(words.plotCopied); };
    var asText = function () { if (copyBySelection(new TextDecoder().decode(plotText(0)))) said(); };
    if (!navigator.clipboard || !navigator.clipboard.write || typeof ClipboardItem === 'undefined') {
      asText();
      return;
    }
    plotPng(1, function (png) {
      if (!png) { asText(); return; }
      navigator.clipboard.write([new ClipboardItem({ 'image/png': png })]).then(said, asText);
    });
  }
  // "Zapisz wykres…": SVG, or PNG at 1x or 2x, chosen in a small list under the button.
  function choosePlotFile(event) {
    var button = event.currentTarget, list = document.getElementById('PlotFileTypes');
    if (list) { list.remove(); return; }
    list = document.createElement('div');
    list.id = 'PlotFileTypes';
    list.setAttribute('role', 'group');
    list.setAttribute('aria-label', words.savePlot);
    [[words.svgFiles, 0], [words.pngFiles1x, 1], [words.pngFiles2x, 2]].forEach(function (type) {
      var b = document.createElement('button');
      b.type = 'button';
      b.className = 'b';
      b.textContent = type[0];
      b.addEventListener('click', function () {
        list.remove();
        button.focus();
        savePlot(type[1]);
      });
      list.appendChild(b);
    });
    list.addEventListener('keydown', function (e) {
      if (e.key !== 'Escape') return;
      e.stopPropagation();
      list.remove();
      button.focus();
    });
    list.style.left = button.style.left;
    list.style.top = parseInt(button.style.top, 10) - 3 * 24 + 'px';
    button.parentNode.appendChild(list);
    list.firstChild.focus();
  }
  function savePlot(type) {
    var name = words.plotFile;
    if (type === 0) {
      download(new Blob([plotText(0)], { type: 'image/svg+xml' }), name);
      return;
    }
    plotPng(type, function (png) {
      if (png) download(png, name.replace(/\.svg$/, type === 2 ? '-2x.png' : '.png'));
      else Ardenika.showError(words.saveFailed.replace('%1', name));
    });
  }
  function copySamples() {
    copyText(new TextDecoder().decode(plotText(1)), words.samplesCopied);
  }
  function saveSamples() {
    download(new Blob([plotText(2)], { type: 'text/csv;charset=utf-8' }), words.samplesFile);
  }

  // The recorded table's rows are chosen by a click or by Up, Down, Home and End on the focused
  // table; Delete deletes the chosen row and Ctrl+C copies the table, as its buttons do.
  function bindRecordedTable(table) {
    table.tabIndex = 0;
    table.setAttribute('role', 'grid');
    table.setAttribute('aria-readonly', 'true');
    table.tBodies[0].addEventListener('click', function (e) {
      var row = e.target.closest('tr');
      if (row) Module._ardenika_select_row(row.sectionRowIndex);
    });
    table.addEventListener('keydown', function (e) {
      var rows = table.tBodies[0].rows.length, at = Number(table.dataset.selected);
      var to = { ArrowUp: Math.max(at - 1, 0), ArrowDown: Math.min(at + 1, rows - 1), Home: 0, End: rows - 1 }[e.key];
      if ((e.ctrlKey || e.metaKey) && !e.altKey && e.key.toLowerCase() === 'c') copyTable();
      else if (e.key === 'Delete' && !e.ctrlKey && !e.altKey) run(names.deleteRow);
      else if (to !== undefined && rows && !e.ctrlKey && !e.altKey) Module._ardenika_select_row(to);
      else return;
      e.preventDefault();
    });
  }

  // The table's headers and rows as the program writes them; only cells whose text changed are
  // written, so a dragged charge's frames cost little.
  function fillTable(table, content) {
    var head = table.tHead.rows[0];
    if (head.cells.length !== content.headers.length) {
      head.replaceChildren();
      content.headers.forEach(function () {
        var th = document.createElement('th');
        th.scope = 'col';
        head.appendChild(th);
      });
    }
    content.headers.forEach(function (text, i) { setText(head.cells[i], text); });
    var body = table.tBodies[0];
    while (body.rows.length > content.rows.length) body.deleteRow(-1);
    content.rows.forEach(function (cells, r) {
      var row = body.rows[r] || body.insertRow();
      row.id = table.id + '_row' + r;
      while (row.cells.length > cells.length) row.deleteCell(-1);
      while (row.cells.length < cells.length) row.insertCell();
      cells.forEach(function (text, i) { setText(row.cells[i], text); });
    });
  }
  function setText(e, text) { if (e.textContent !== text) e.textContent = text; }

  function showPanelState(state) {
    Object.keys(state.labels).forEach(function (name) { setText(document.getElementById(name), state.labels[name]); });
    Object.keys(state.choices).forEach(function (name) {
      var select = document.getElementById(name), choice = state.choices[name];
      var items = choice.items.join('\n');
      if (select.dataset.items !== items) {
        select.dataset.items = items;
        // a charge moved renames its item: the items are renamed in place, not made anew
        while (select.options.length > choice.items.length) select.remove(select.options.length - 1);
        choice.items.forEach(function (text, i) {
          if (i < select.options.length) setText(select.options[i], text);
          else select.add(new Option(text));
        });
      }
      if (select.selectedIndex !== choice.chosen) select.selectedIndex = choice.chosen;
    });
    Object.keys(state.tables).forEach(function (name) { fillTable(document.getElementById(name), state.tables[name]); });
    Object.keys(state.pressed).forEach(function (name) { Ardenika.setPressed(name, state.pressed[name]); });
    var table = document.getElementById(names.recordedTable), row = state.selectedRow;
    if (table.dataset.selected !== String(row)) {
      table.dataset.selected = row;
      Array.prototype.forEach.call(table.tBodies[0].rows, function (r, i) { r.setAttribute('aria-selected', String(i === row)); });
      if (row >= 0) {
        table.setAttribute('aria-activedescendant', table.tBodies[0].rows[row].id);
        table.tBodies[0].rows[row].scrollIntoView({ block: 'nearest' });
      } else {
        table.removeAttribute('aria-activedescendant');
      }
    }
    // rows added keep the selection's marks
    Array.prototype.forEach.call(table.tBodies[0].rows, function (r, i) {
      if (!r.hasAttribute('aria-selected')) r.setAttribute('aria-selected', String(i === row));
    });
  }

  // The recorded table, as text for the clipboard or as the bytes of its CSV file, exactly as the
  // program wrote them.
  function recordedTable(csv) {
    var at = Module._ardenika_recorded_table(csv);
    return HEAPU8.slice(at, at + Module._ardenika_handed_size());
  }
  // The clipboard from a page opened from a disk may refuse the asynchronous call; a copied
  // selection of a hidden text box still works there. Copied is said only once it is.
  function copyTable() {
    if (!Module._ardenika_recorded_rows()) {
      Ardenika.announce(words.tableEmpty);
      return;
    }
    copyText(new TextDecoder().decode(recordedTable(false)), words.tableCopied);
  }
  // Text on the clipboard, by the asynchronous call or else by a copied selection, and the
  // phrase said once it is there.
  function copyText(text, phrase) {
    var said = function () { Ardenika.announce(phrase); };
    var byCommand = function () { if (copyBySelection(text)) said(); };
    if (navigator.clipboard && navigator.clipboard.writeText) navigator.clipboard.writeText(text).then(said, byCommand);
    else byCommand();
  }
  function copyBySelection(text) {
    var back = document.activeElement, area = document.createElement('textarea');
    area.value = text;
    area.setAttribute('readonly', '');
    area.setAttribute('aria-hidden', 'true');
    area.style.cssText = 'position:fixed;left:-9999px;top:0;opacity:0';
    document.body.appendChild(area);
    area.select();
    var copied = false;
    try { copied = document.execCommand('copy'); } catch (e) { copied = false; }
    area.remove();
    if (back && back.focus) back.focus();
    return copied;
  }
  function saveTable() {
    if (!Module._ardenika_recorded_rows()) {
      Ardenika.announce(words.tableEmpty);
      return;
    }
    download(new Blob([recordedTable(true)], { type: 'text/csv;charset=utf-8' }), words.csvFile);
  }
  function download(blob, name) {
    var link = document.createElement('a');
    link.href = URL.createObjectURL(blob);
    link.download = name;
    link.click();
    // the download reads the blob after the click returns; a slow one still gets it
    setTimeout(function () { URL.revokeObjectURL(link.href); }, 60000);
  }

  // The menu's shortcuts (Ctrl+M opens and closes the panel) anywhere in the window, and Ctrl+Enter
  // records a measurement while the panel is open.
  document.addEventListener('keydown', function (e) {
    if (!board || e.repeat || document.querySelector('dialog[open]') || document.documentElement.classList.contains('ended')) return;
    var item = shortcuts.filter(function (s) { return pressed(e, s.keys); })[0];
    if (item) run(item.id);
    else if (!panelFrame.hidden && pressed(e, recordShortcut)) run(names.recordButton);
    else return;
    e.preventDefault();
  });


  // A menu item's caption, its accelerator letter underlined and named for Alt; a language item
  // says whether it is the one chosen.
  function showMenuCaption(item, m, language) {
    item.textContent = '';
    item.removeAttribute('aria-keyshortcuts');
    var amp = m.caption.indexOf('&');
    if (amp >= 0) {
      var key = m.caption.charAt(amp + 1);
      item.append(m.caption.slice(0, amp));
      var u = document.createElement('u');
      u.textContent = key;
      item.append(u, m.caption.slice(amp + 2));
      item.setAttribute('aria-keyshortcuts', 'Alt+' + key.toUpperCase());
    } else {
      item.textContent = m.caption;
    }
    if (m.chooses) item.setAttribute('aria-checked', m.chooses === language ? 'true' : 'false');
    if (m.shortcut) {
      item.title = m.shortcut;
      item.setAttribute('aria-keyshortcuts', ((item.getAttribute('aria-keyshortcuts') || '') + ' ' + shortcutOf(m.shortcut).spoken).trim());
    }
  }

  // The page's own words and the page's language.
  function showPageWords(form) {
    words = form.words;
    document.documentElement.lang = form.language;
    document.title = words.programName;
    document.getElementById('titlebar').textContent = words.programName;
    document.querySelector('#end p').textContent = words.programEnded;
    document.getElementById('restart').textContent = words.startAgain;
    errorBox.setAttribute('aria-label', words.programName);
    errorBox.querySelector('.ok').textContent = words.ok;
    bar.setAttribute('aria-label', words.menuBar);
  }

  // Every word of the window in the language the program now speaks: the controls' captions,
  // hints and names, the menus, the page's own words; the help dialogs are asked for anew.
  function showWords() {
    var form = JSON.parse(UTF8ToString(Module._ardenika_form_json()));
    showPageWords(form);
    form.controls.forEach(function (c) {
      var e = document.getElementById(c.name);
      if (c.kind === 'window' || c.kind === 'label' || c.kind === 'board') {
        if (c.kind === 'board') e.setAttribute('aria-label', c.spoken);
        return;
      }
      if (c.kind === 'group_box') e.querySelector('.caption').textContent = c.caption;
      else if (c.kind === 'push_button' || c.kind === 'toggle_button') e.textContent = c.caption;
      if (c.hint) e.title = c.hint;
      else e.removeAttribute('title');
      if (c.spoken && c.kind !== 'progress_bar') e.setAttribute('aria-label', c.spoken);
      else if (c.kind !== 'progress_bar') e.removeAttribute('aria-label');
    });
    form.menu.forEach(function (m) { showMenuCaption(document.getElementById(m.name), m, form.language); });
    // The panel's and the plot's words; their tables and texts come anew from the program.
    form.panel.concat(form.plot).forEach(function (c) {
      var e = document.getElementById(c.name);
      if (c.kind === 'window') {
        dressFrame(c.name === names.plotWindow ? plotFrame : panelFrame, c);
        return;
      }
      if (c.kind === 'label' && c.caption) setText(e, c.caption);
      else if (c.kind === 'push_button' || c.kind === 'toggle_button') {
        e.textContent = '';
        setCaption(e, c.caption);
      }
      if (c.hint) e.title = c.hint;
      else e.removeAttribute('title');
      if (c.spoken) e.setAttribute('aria-label', c.spoken);
    });
    document.getElementById(names.recordButton).setAttribute('aria-keyshortcuts', recordShortcut.spoken);
    if (board.hasAttribute('title')) board.title = words.boardHint;
    help = null;
  }

  // The languages asked for, first first: the page's link's (?lang=uk), then the one chosen last
  // on this computer.
  var languageKey = 'ardenika.language';
  function askedLanguages() {
    var asked = [new URLSearchParams(location.search).get('lang')];
    try { asked.push(localStorage.getItem(languageKey)); } catch (e) { /* storage off */ }
    return asked.filter(function (code) { return code; });
  }
  // A language chosen in the menu is remembered, and the address says it, so a copied link
  // opens in it.
  function rememberLanguage(code) {
    try { localStorage.setItem(languageKey, code); } catch (e) { /* storage off: the link still says it */ }
    var url = new URL(location.href);
    url.searchParams.set('lang', code);
    try { history.replaceState(history.state, '', url.href); } catch (e) { /* an address that cannot change */ }
  }

  // Menus: a click on a top-level item opens its submenu; while one is open, pointing at
  // another top-level item opens that one instead.
  var menus = [];
  function openMenu(menu) {
    menus.forEach(function (m) {
      var open = m === menu;
      m.querySelector('.submenu').classList.toggle('open', open);
      m.firstElementChild.setAttribute('aria-expanded', open ? 'true' : 'false');
    });
  }
  function closeMenus() { openMenu(null); }
  function anyMenuOpen() { return menus.some(function (m) { return m.querySelector('.submenu.open'); }); }
  document.addEventListener('click', closeMenus);
  document.addEventListener('keydown', function (e) {
    if (e.key === 'Escape') closeMenus();
    if (!e.altKey || e.ctrlKey || document.querySelector('dialog[open]')) return;
    // Alt with an underlined letter: in the panel, its button (the next of several with the same
    // letter takes the focus, as on the desktop); elsewhere the menu bar's entry.
    var inPanel = panelFrame.contains(document.activeElement);
    var chosen = Array.prototype.filter.call((inPanel ? panelFrame : bar).querySelectorAll('[aria-keyshortcuts]'), function (item) {
      return item.getAttribute('aria-keyshortcuts').split(' ').indexOf('Alt+' + e.key.toUpperCase()) >= 0;
    });
    if (!chosen.length) return;
    e.preventDefault();
    if (inPanel && chosen.length > 1) chosen[(chosen.indexOf(document.activeElement) + 1) % chosen.length].focus();
    else if (inPanel) chosen[0].click();
    else run(chosen[0].id);
  });

  // The menu bar by keyboard, as the WAI-ARIA menubar: one Tab stop (the title last focused);
  // Left and Right walk the titles round, Enter, Space or Down open a menu on its first item, Up
  // on its last; in a menu Up and Down walk round, Enter or Space choose, Escape closes it back
  // to its title, Left and Right go on to the next menu, Tab closes it and leaves the bar.
  // Alt pressed and released alone puts the focus on the bar, as on the desktop.
  var bar = document.querySelector('#window > .menubar');
  var titles = [];
  function menuOf(title) { return title.parentNode === bar ? null : title.nextElementSibling; }
  function openOn(title, last) {
    openMenu(title.parentNode);
    var items = menuOf(title).querySelectorAll('button');
    items[last ? items.length - 1 : 0].focus();
  }
  function bindMenus() {
    menus = Array.prototype.slice.call(bar.querySelectorAll(':scope > .menu'));
    titles = Array.prototype.map.call(bar.children, function (c) { return c.matches('button') ? c : c.firstElementChild; });
    menus.forEach(function (m) {
      var top = m.firstElementChild;
      top.addEventListener('click', function (e) {
        e.stopPropagation();
        openMenu(top.getAttribute('aria-expanded') === 'true' ? null : m);
        if (top.getAttribute('aria-expanded') === 'true') m.querySelector('.submenu button').focus();
      });
      top.addEventListener('pointerenter', function () { if (anyMenuOpen()) openMenu(m); });
    });
  }
  bar.addEventListener('focusin', function (e) {
    if (titles.indexOf(e.target) >= 0) titles.forEach(function (t) { t.tabIndex = t === e.target ? 0 : -1; });
  });
  bar.addEventListener('focusout', function (e) { if (!bar.contains(e.relatedTarget)) closeMenus(); });
  bar.addEventListener('keydown', function (e) {
    var menu = e.target.closest('.submenu');
    var title = menu ? document.getElementById(menu.getAttribute('aria-labelledby')) : e.target;
    var at = titles.indexOf(title);
    if (at < 0 || e.altKey || e.ctrlKey || e.metaKey) return;
    if (e.key === 'ArrowLeft' || e.key === 'ArrowRight') {
      var next = titles[(at + (e.key === 'ArrowLeft' ? titles.length - 1 : 1)) % titles.length];
      closeMenus();
      next.focus();
      if (menu && menuOf(next)) openOn(next, false);
    } else if (!menu && menuOf(title) && (e.key === 'ArrowDown' || e.key === 'ArrowUp')) {
      openOn(title, e.key === 'ArrowUp');
    } else if (menu && (e.key === 'ArrowDown' || e.key === 'ArrowUp')) {
      var items = Array.prototype.slice.call(menu.querySelectorAll('button'));
      var step = e.key === 'ArrowUp' ? items.length - 1 : 1;
      items[(items.indexOf(e.target) + step) % items.length].focus();
    } else if (menu && (e.key === 'Escape' || e.key === 'Tab')) {
      closeMenus();
      title.focus();
      if (e.key === 'Tab') return;
    } else {
      return;
    }
    e.preventDefault();
  });
  var altAlone = false;
  document.addEventListener('keydown', function (e) { altAlone = e.key === 'Alt' && !e.repeat; }, true);
  document.addEventListener('keyup', function (e) {
    if (e.key !== 'Alt' || !altAlone || document.querySelector('dialog[open]')) return;
    e.preventDefault();
    var title = titles.filter(function (t) { return t.tabIndex === 0; })[0];
    if (bar.contains(document.activeElement)) { closeMenus(); document.activeElement.blur(); }
    else title.focus();
  });

  function bindControls() {
    Array.prototype.forEach.call(document.querySelectorAll('[data-run]'), function (control) {
      control.addEventListener('click', function (e) {
        e.stopPropagation();
        run(control.id);
      });
    });
  }

  // The board: raw pointer input goes to the window logic, which tells a click, a double
  // click's second press and a drag apart. A press on the board captures the pointer, so moves
  // beyond the edge keep coming; any press elsewhere on the page ends a double click's pair.
  // The board pixel under a pointer, with fractions: through the box the browser reports, so
  // any scale, zoom or transform of the page maps right.
  function pixel(e) {
    var box = board.getBoundingClientRect();
    return { x: (e.clientX - box.left) * board.width / box.width, y: (e.clientY - box.top) * board.height / box.height };
  }
  function send(phase, e) {
    if (phase !== 'moved' || !dragging) LineWorker.settle();
    var p = pixel(e);
    var button = codes.pointerButtons[e.button], kind = codes.pointerKinds[e.pointerType];
    Module._ardenika_pointer(codes.pointerPhases[phase], p.x, p.y,
                             button === undefined ? codes.pointerButtons[0] : button,
                             kind === undefined ? codes.pointerKinds.mouse : kind, e.timeStamp);
  }
  function bindBoard() {
    board.addEventListener('pointerdown', function (e) {
      if (e.button === 0) board.setPointerCapture(e.pointerId);
      send('pressed', e);
    });
    board.addEventListener('pointermove', function (e) { send('moved', e); });
    board.addEventListener('pointerup', function (e) { send('released', e); });
    board.addEventListener('pointercancel', function (e) { send('cancelled', e); });
    board.addEventListener('mousedown', function (e) { e.preventDefault(); });
    board.addEventListener('keydown', function (e) {
      var key = codes.boardKeys[e.key];
      if (key === undefined || e.altKey || e.ctrlKey || e.metaKey) return;
      e.preventDefault();
      Module._ardenika_board_key(key, e.shiftKey, e.repeat);
    });
  }
  document.addEventListener('pointerdown', function (e) {
    if (board && e.target !== board) Module._ardenika_pressed_elsewhere();
  }, true);

  // Saving the board: Ctrl+S (Cmd+S on a Mac) downloads "ardenika.png", the canvas's own pixels
  // from the browser's PNG encoder with the program's description in an iTXt chunk, as the
  // desktop saves it at 1x. The board's context menu is the browser's own, with its "Save image".
  // Bytes into the module's memory for one call, freed after it.
  function withBytes(bytes, call) {
    var at = Module._malloc(Math.max(bytes.length, 1));
    HEAPU8.set(bytes, at);
    try { return call(at, bytes.length); } finally { Module._free(at); }
  }
  function savePicture() {
    var name = words.pictureFile;
    board.toBlob(function (png) {
      if (!png) {
        Ardenika.showError(words.saveFailed.replace('%1', name));
        return;
      }
      png.arrayBuffer().then(function (buffer) {
        // The program adds the description and the setup to the browser's PNG.
        var saved = withBytes(new Uint8Array(buffer), function (at, size) {
          var out = Module._ardenika_picture_png(at, size);
          return HEAPU8.slice(out, out + Module._ardenika_handed_size());
        });
        if (!saved.length) {
          Ardenika.showError(words.saveFailed.replace('%1', name));
          return;
        }
        download(new Blob([saved], { type: 'image/png' }), name);
      });
    }, 'image/png');
  }

  // A board that travels: the address's fragment is the board's setup, a saved picture opens
  // again (Ctrl+O, or dropped on the page), a pasted link or setup opens, and Ctrl+Z and Ctrl+Y
  // (or Ctrl+Shift+Z) walk the changes.
  var addressShows = '';
  // Until the page has opened the board its address names, the address stays as it came.
  var addressFollows = false;
  function openSetup(text) { Module.ccall('ardenika_open_setup', 'boolean', ['string'], [text]); }
  function openFile(file) {
    // No larger file is read than the program looks at: a bigger one is refused for its size.
    file.slice(0, pngMaxFile + 1).arrayBuffer().then(function (buffer) {
      withBytes(new Uint8Array(buffer), function (at, size) { return Module._ardenika_open_picture(at, size); });
    }, function () {
      Ardenika.showError(words.readFailed.replace('%1', file.name).replace('%2', ''));
    });
  }
  var pngMaxFile = 0;
  var picker = document.createElement('input');
  picker.type = 'file';
  picker.accept = 'image/png,.png';
  picker.hidden = true;
  picker.addEventListener('change', function () {
    if (picker.files.length) openFile(picker.files[0]);
    picker.value = '';
  });
  function busy() {
    return !board || document.querySelector('dialog[open]') || document.documentElement.classList.contains('ended');
  }
  document.addEventListener('keydown', function (e) {
    // AltGr is Ctrl+Alt on Windows: AltGr+S types the Polish "ś" and saves nothing.
    if (!(e.ctrlKey || e.metaKey) || e.altKey || busy()) return;
    var key = e.key.toLowerCase();
    if (key === 's' && !e.shiftKey) savePicture();
    else if (key === 'o' && !e.shiftKey) picker.click();
    else if (key === 'z' && !e.shiftKey) Module._ardenika_undo();
    else if (key === 'y' || (key === 'z' && e.shiftKey)) Module._ardenika_redo();
    else return;
    e.preventDefault();
  });
  document.addEventListener('paste', function (e) {
    if (busy() || !e.clipboardData) return;
    var file = Array.prototype.filter.call(e.clipboardData.files, function (f) { return f.type === 'image/png'; })[0];
    var text = e.clipboardData.getData('text/plain');
    if (!file && !text) return;
    e.preventDefault();
    if (file) openFile(file);
    else openSetup(text);
  });
  document.addEventListener('dragover', function (e) {
    if (busy()) return;
    e.preventDefault();
    e.dataTransfer.dropEffect = 'copy';
  });
  document.addEventListener('drop', function (e) {
    if (busy()) return;
    e.preventDefault();
    if (e.dataTransfer.files.length) openFile(e.dataTransfer.files[0]);
    else if (e.dataTransfer.getData('text/plain')) openSetup(e.dataTransfer.getData('text/plain'));
  });
  // A fragment typed or pasted into the address bar opens its board.
  window.addEventListener('hashchange', function () {
    var wanted = location.hash.slice(1);
    if (wanted && wanted !== addressShows && !busy()) openSetup(wanted);
  });

  // The board by keyboard. It takes the focus by Tab only: a press of the mouse or a finger
  // leaves the focus where it was. The window logic keeps the cursor; the page draws it over
  // the board (#BoardCursor) while the board has the focus.
  // A dragged charge's moves are redrawn once per displayed frame, however many came between.
  var dragging = false, frameAsked = false;
  function askFrame() {
    if (frameAsked) return;
    frameAsked = true;
    requestAnimationFrame(function () {
      frameAsked = false;
      // A frame still waiting for its lines asks again when they come.
      if (!LineWorker.frame()) frameAfterLines = true;
    });
  }
  var frameAfterLines = false;
  // Escape puts a dragged charge back wherever the focus is.
  document.addEventListener('keydown', function (e) {
    if (e.key !== 'Escape' || !dragging || e.defaultPrevented) return;
    e.preventDefault();
    Module._ardenika_board_key(codes.boardKeys.Escape, false, false);
  });
  var progressTimer = null, progressSaid = 0, progressText = '';
  var cursorAt = {};

  // The readout for screen readers: the five labels said together in #Readout, at most twice a
  // second; the last change of a burst is said when its half second is over.
  var readout = document.getElementById('Readout'), readoutTimer = null, readoutSaid = 0;
  function sayReadout() {
    if (readoutTimer !== null) return;
    readoutTimer = setTimeout(function () {
      readoutTimer = null;
      readoutSaid = Date.now();
      readout.textContent = names.readout.map(function (name) {
        return document.getElementById(name).textContent.replace(/\s+/g, ' ');
      }).join(', ');
    }, Math.max(0, readoutSaid + 500 - Date.now()));
  }

  // Pixels in the module's memory as an image; a copy when the page changes them.
  function imageFrom(pointer, width, height, copy) {
    var size = width * height * 4;
    var bytes = copy ? new Uint8ClampedArray(HEAPU8.slice(pointer, pointer + size).buffer)
                     : new Uint8ClampedArray(HEAPU8.buffer, pointer, size);
    return new ImageData(bytes, width, height);
  }

  // Starting again starts from an empty board: the address loses its fragment.
  document.getElementById('restart').addEventListener('click', function () {
    location.replace(location.href.split('#')[0]);
  });
  errorBox.querySelector('.ok').addEventListener('click', function () { errorBox.close(); });

  // A modal box over the window: the focus starts on its first control, Tab walks its controls
  // round, Escape closes it, Enter presses its default button except in a text box, and the
  // focus goes back where it was (to the menu when the item that opened it is hidden again).
  function showModal(dialog, removeOnClose) {
    var back = document.activeElement;
    var controls = function () { return Array.prototype.filter.call(dialog.querySelectorAll('[tabindex="0"], button'), function (c) { return c.tabIndex >= 0; }); };
    function onKey(e) {
      var list = controls();
      if (e.key === 'Tab' && list.length) {
        var at = list.indexOf(document.activeElement);
        var next = (at + (e.shiftKey ? list.length - 1 : 1)) % list.length;
        e.preventDefault();
        list[at < 0 ? 0 : next].focus();
      } else if (e.key === 'Enter' && !e.target.matches('.text, button')) {
        e.preventDefault();
        dialog.querySelector('button.default, .ok').click();
      }
    }
    dialog.addEventListener('keydown', onKey);
    dialog.addEventListener('close', function done() {
      dialog.removeEventListener('keydown', onKey);
      dialog.removeEventListener('close', done);
      if (removeOnClose) dialog.remove();
      if (back && back.closest('.submenu')) back = document.getElementById(back.closest('.submenu').getAttribute('aria-labelledby'));
      if (back && back.focus) back.focus();
    });
    if (!dialog.parentNode) document.body.appendChild(dialog);
    dialog.showModal();
    if (controls().length) controls()[0].focus();
  }

  // The help dialogs, laid out from the one copy of their content in the program.
  var help = null;
  function helpContent() {
    if (!help) help = JSON.parse(UTF8ToString(Module._ardenika_dialogs_json()));
    return help;
  }
  function setFont(element, font) {
    element.style.fontFamily = fontOf(font.role);
    element.style.fontSize = font.pixels + 'px';
    element.style.fontWeight = font.weight;
    element.style.textDecoration = font.underline ? 'underline' : 'none';
  }
  function colour(c) { return 'rgb(' + c.join(',') + ')'; }
  // A text colour on the button face, darkened in its own hue until it stands out at 4.5:1 or
  // more (WCAG's contrast of relative luminances), as the page's texts must.
  function readable(c) {
    function luminance(rgb) {
      return rgb.reduce(function (sum, v, i) {
        var s = v / 255;
        return sum + [0.2126, 0.7152, 0.0722][i] * (s <= 0.03928 ? s / 12.92 : Math.pow((s + 0.055) / 1.055, 2.4));
      }, 0);
    }
    var hex = getComputedStyle(document.documentElement).getPropertyValue('--face').trim();
    var face = luminance([1, 3, 5].map(function (i) { return parseInt(hex.substr(i, 2), 16); }));
    while ((face + 0.05) / (luminance(c) + 0.05) < 4.5) c = c.map(function (v) { return Math.floor(v * 0.95); });
    return c;
  }

  // The description's runs as the desktop's rich-text view writes them: the caret's height in
  // twentieths of a point (15 to a pixel) shrinks for a subscript and is scaled back after it.
  function fillRuns(view, runs, pixels) {
    var height = pixels * 15, paragraph = document.createElement('p');
    view.appendChild(paragraph);
    runs.forEach(function (run) {
      if (run.paragraph) view.appendChild(paragraph = document.createElement('p'));
      var span = document.createElement('span'), offset = 0;
      if (run.script !== 0) {
        var m = Module._ardenika_script_metrics(height, run.script);
        height = m >> 16;
        offset = (m & 0xffff) - 32768;
      }
      span.textContent = run.text;
      span.style.fontSize = height / 15 + 'px';
      if (offset) span.style.verticalAlign = offset / 15 + 'px';
      if (run.colour.some(Boolean)) span.style.color = colour(run.colour);
      if (run.bold) span.style.fontWeight = 700;
      if (run.italic) span.style.fontStyle = 'italic';
      if (run.underline) span.style.textDecoration = 'underline';
      paragraph.appendChild(span);
      if (run.script !== 0) height = Module._ardenika_script_metrics(height, 0) >> 16;
    });
  }

  function buildDialog(content) {
    var body = document.createElement('div');
    body.className = 'dlgbody';
    body.style.width = content.width + 'px';
    body.style.height = content.height + 'px';
    setFont(body, content.font);
    content.controls.forEach(function (c) {
      var kind = c.kind, e;
      if (kind === 'picture') {
        e = document.createElement('canvas');
        e.width = c.width;
        e.height = c.height;
        drawSideStrip(e.getContext('2d'), helpContent().strip);
      } else if (kind === 'button') {
        e = document.createElement('button');
        e.type = 'button';
        e.className = 'default';
        e.textContent = c.text;
        e.addEventListener('click', function () { e.closest('dialog').close(); });
      } else {
        e = document.createElement('div');
        e.textContent = c.text;
        if (kind === 'rich_text' || kind === 'memo') {
          e.className = 'text';
          e.tabIndex = 0;
          e.setAttribute('role', 'document');
        }
      }
      // Both dialogs name their heading's parts alike, so the names are not ids.
      e.dataset.name = c.name;
      e.classList.add('dlg-' + kind);
      e.style.left = c.left + 'px';
      e.style.top = c.top + 'px';
      e.style[c.grows ? 'minWidth' : 'width'] = c.width + 'px';
      e.style.height = c.height + 'px';
      if (c.font) setFont(e, c.font);
      if (c.colour) e.style.color = colour(readable(c.colour));
      if (c.hint) e.title = c.hint;
      body.appendChild(e);
      if (kind === 'rich_text') fillRuns(e, content.runs, (c.font || content.font).pixels);
    });
    return body;
  }

  // The decorative strip of both help dialogs, painted from the program's one description of it.
  function drawSideStrip(g, strip) {
    var background = g.createLinearGradient(0, 0, 0, strip.height);
    strip.gradient.forEach(function (stop) { background.addColorStop(stop.at, colour(stop.colour)); });
    g.fillStyle = background;
    g.fillRect(0, 0, strip.width, strip.height);
    g.lineWidth = 1;
    strip.curves.forEach(function (curve) {
      var p = curve.points;
      g.strokeStyle = 'rgba(255,255,255,' + curve.alpha / 255 + ')';
      g.beginPath();
      g.moveTo(p[0], p[1]);
      g.bezierCurveTo(p[2], p[3], p[4], p[5], p[6], p[7]);
      g.stroke();
    });
    strip.charges.forEach(function (charge) {
      var x = charge.x, y = charge.y, half = strip.signHalf;
      g.beginPath();
      g.arc(x, y, strip.radius, 0, 2 * Math.PI);
      g.fillStyle = colour(charge.positive ? strip.positive : strip.negative);
      g.fill();
      g.strokeStyle = '#fff';
      g.lineWidth = strip.ring;
      g.stroke();
      g.lineWidth = strip.signWidth;
      g.beginPath();
      g.moveTo(x - half, y); g.lineTo(x + half, y);
      if (charge.positive) { g.moveTo(x, y - half); g.lineTo(x, y + half); }
      g.stroke();
    });
  }

  return {
    showBoard: function (pointer, width, height) {
      boardContext.putImageData(imageFrom(pointer, width, height, false), 0, 0);
    },
    build: buildForm,
    // The face of the page's buttons as 0xffRRGGBB.
    buttonFace: function () {
      var hex = getComputedStyle(document.documentElement).getPropertyValue('--face').trim();
      return (0xff000000 | parseInt(hex.substr(1, 6), 16)) >>> 0;
    },
    // A button's picture, its see-through pixels already clear, drawn pixel for pixel.
    setGlyph: function (id, pointer, width, height) {
      var image = imageFrom(pointer, width, height, true);
      var canvas = document.createElement('canvas');
      canvas.width = width;
      canvas.height = height;
      canvas.style.width = width + 'px';
      canvas.style.height = height + 'px';
      canvas.getContext('2d').putImageData(image, 0, 0);
      var button = document.getElementById(id);
      button.textContent = '';
      button.appendChild(canvas);
    },
    setPressed: function (id, down) {
      document.getElementById(id).setAttribute('aria-pressed', down ? 'true' : 'false');
    },
    setLabel: function (id, text) {
      var label = document.getElementById(id);
      if (label.textContent === text) return;
      label.textContent = text;
      sayReadout();
    },
    // The board keeps its place in the window, so its offsets are read once: reading them after
    // each change would make the browser lay out the page again in the middle of a handler.
    setCursor: function (x, y) {
      if (cursorAt.x === x && cursorAt.y === y) return;
      if (cursorAt.left === undefined) { cursorAt.left = board.offsetLeft; cursorAt.top = board.offsetTop; }
      cursorAt.x = x;
      cursorAt.y = y;
      cursorMark.style.left = cursorAt.left + x + 'px';
      cursorMark.style.top = cursorAt.top + y + 'px';
    },
    // The board moved within the window (the layout changed): its offsets are read again.
    boardMoved: function () {
      var x = cursorAt.x, y = cursorAt.y;
      cursorAt = {};
      if (x !== undefined) this.setCursor(x, y);
    },
    setBoardTooltip: function (on) {
      if (on) board.title = words.boardHint;
      else board.removeAttribute('title');
    },
    setProgress: function (position, max) {
      progress.max = max > 0 ? max : 1;
      progress.value = position;
    },
    showError: function (text) {
      document.getElementById('ErrorText').textContent = text;
      if (!errorBox.open) showModal(errorBox, false);
    },
    // "description" or "about", as the dialogs JSON names them.
    openDialog: function (which) {
      var content = helpContent()[which];
      var dialog = document.createElement('dialog');
      dialog.setAttribute('role', 'dialog');
      dialog.setAttribute('aria-modal', 'true');
      dialog.setAttribute('aria-label', content.caption);
      dialog.className = 'help';
      var bar = document.createElement('div');
      bar.className = 'dlgbar';
      var title = document.createElement('span');
      title.textContent = content.caption;
      var close = document.createElement('button');
      close.type = 'button';
      close.tabIndex = -1;
      close.setAttribute('aria-label', words.close);
      close.textContent = '\u2715';
      close.addEventListener('click', function () { dialog.close(); });
      bar.append(title, close);
      dialog.append(bar, buildDialog(content));
      showModal(dialog, true);
    },
    endProgram: function () {
      Array.prototype.forEach.call(document.querySelectorAll('dialog[open]'), function (d) { d.close(); });
      document.documentElement.classList.add('ended');
      document.getElementById('restart').focus();
    },
    // What a command did, for screen readers; the same words again are said again.
    announce: function (text) {
      // A phrase said now makes one still waiting its half second stale (a point's values).
      if (progressTimer !== null) {
        clearTimeout(progressTimer);
        progressTimer = null;
      }
      var announcer = document.getElementById('Announcer');
      announcer.textContent = announcer.textContent === text ? text + '\u00a0' : text;
    },
    // The panel opened or closed; a focus inside a closed panel goes to the item that opens it.
    showPanel: function (open) {
      var hadFocus = panelFrame.contains(document.activeElement);
      panelFrame.hidden = !open;
      if (hadFocus && !open) document.getElementById(names.measurementsItem).focus();
      if (this.refit) this.refit();
    },
    setPanel: showPanelState,
    // The plot opened or closed; a focus inside a closed plot goes to the panel's "Wykres".
    showPlot: function (open) {
      var hadFocus = plotFrame.contains(document.activeElement);
      plotFrame.hidden = !open;
      if (hadFocus && !open && !panelFrame.hidden) document.getElementById('plot_button').focus();
      if (this.refit) this.refit();
    },
    setPlot: showPlotState,
    // Places of a charge moved by keyboard: at most twice a second, ending on the last one.
    announceProgress: function (text) {
      progressText = text;
      if (progressTimer !== null) return;
      progressTimer = setTimeout(function () {
        progressTimer = null;
        progressSaid = Date.now();
        document.getElementById('Announcer').textContent = progressText;
      }, Math.max(0, progressSaid + 500 - Date.now()));
    },
    frameDone: function () {
      if (!frameAfterLines) return;
      frameAfterLines = false;
      askFrame();
    },
    setPointerShape: function (shape, moving) {
      board.style.cursor = ['', 'grab', 'grabbing'][shape];
      dragging = moving;
      if (moving) askFrame();
    },
    gridsDigest: function () { return (Module._ardenika_grids_digest() >>> 0).toString(16).padStart(8, '0'); },
    // The board's setup in the address, replacing the entry rather than adding to the history;
    // an empty board has no fragment. A setup too long to say leaves the address as it was.
    setAddress: function (text) {
      if (!text || !addressFollows) return;
      addressShows = text === 'v1' ? '' : text;
      history.replaceState(history.state, '', location.href.split('#')[0] + (addressShows ? '#' + addressShows : ''));
    },
    // The program speaks another language: every word anew; chosen by the user, it is remembered.
    languageChanged: function () {
      showWords();
      if (addressFollows) rememberLanguage(document.documentElement.lang);
    },
    started: function () {
      document.body.appendChild(picker);
      // The first the program speaks; a link's unknown one gives way to the one chosen last.
      askedLanguages().some(function (code) {
        return Module.ccall('ardenika_set_language', 'boolean', ['string'], [code]);
      });
      addressFollows = true;
      if (location.hash.length > 1) openSetup(location.hash.slice(1));
      if (this.fitToScreen) this.fitToScreen();
      document.documentElement.dataset.ready = '1';
    }
  };
})();

// The window on every screen: its layout and scale, the full screen, paper, and the field's
// tables built before the first picture is asked for.
(function () {
  'use strict';
  var root = document.documentElement;
  var stage = document.getElementById('stage');
  // The window and the measurement panel beside or below it, scaled together.
  var frame = document.getElementById('windows');
  var panel = document.getElementById('PanelFrame');
  // Built from the form's table when the program starts.
  var board = null;

  // The window's size at a scale of 1 in one layout, in CSS pixels, with the open panel beside it
  // or below it; on a phone the panel is below, as wide as the window.
  function naturalSize(narrow, below) {
    root.classList.toggle('narrow', narrow);
    root.classList.toggle('panel-below', Boolean(below));
    if (narrow && !panel.hidden) {
      root.style.setProperty('--panel-zoom', '1');
      root.style.setProperty('--panel-zoom', String(document.getElementById('window').offsetWidth / panel.offsetWidth));
    }
    return { width: frame.offsetWidth, height: frame.offsetHeight };
  }
  // Whole device pixels per board pixel for a window of this size: the most at which it fits the
  // screen, so that every board pixel is a sharp square (2 on a 1920 x 1080 screen, 4 on 3840 x
  // 2160, at a ratio of 1.25 or 1.5 a whole number of device pixels over the ratio). A browser
  // zoomed in asks for more: one CSS pixel per board pixel, to the nearest whole device pixel (the
  // smaller at a tie), as far as the width holds it, the page scrolling down; zoom enlarges the
  // text as it does on any page. Where not even one device pixel per board pixel fits, one, and
  // the page scrolls: a smaller board would drop pixels, and parts of lines with them, and leave
  // pixels that no pointer can choose.
  function wholeSteps(size, width, height, ratio) {
    var fits = Math.floor(Math.min(width / size.width, height / size.height));
    var zoomed = Math.min(Math.ceil(ratio - 0.5), Math.floor((width - scrollBar() * ratio) / size.width));
    return Math.max(1, fits, zoomed);
  }
  // The width a vertical scroll bar takes from the page, in CSS pixels (0 where bars lie over it).
  var barWidth = null;
  function scrollBar() {
    if (barWidth === null) {
      var probe = document.createElement('div');
      probe.style.cssText = 'position:absolute;top:-200px;width:100px;height:100px;overflow:scroll';
      document.body.appendChild(probe);
      barWidth = probe.offsetWidth - probe.clientWidth;
      probe.remove();
    }
    return barWidth;
  }

  // The screen's width or height in CSS pixels. A phone's browser widens its layout viewport, and
  // innerWidth with it, to whatever overflows the screen, so a fit measured from innerWidth alone
  // would keep what it overflowed by; the root's client size is the screen's, less any scroll bar.
  function screenSide(inner, client) {
    return Math.min(inner, client + scrollBar());
  }

  // The window at that scale, in the layout that shows the board larger; an upright screen (a
  // phone held upright) takes the narrow one at a tie.
  function fit() {
    if (root.classList.contains('ended')) return;
    var ratio = window.devicePixelRatio || 1;
    var width = screenSide(window.innerWidth, root.clientWidth) * ratio;
    var height = screenSide(window.innerHeight, root.clientHeight) * ratio;
    var upright = window.innerHeight > window.innerWidth;
    var layouts = [{ narrow: false, below: false }, { narrow: true, below: true }];
    if (!panel.hidden) layouts.splice(1, 0, { narrow: false, below: true });
    layouts.forEach(function (l) {
      l.size = naturalSize(l.narrow, l.below);
      l.steps = wholeSteps(l.size, width, height, ratio);
      l.fits = l.size.width * l.steps <= width;
    });
    var chosen;
    if (panel.hidden) {
      chosen = layouts[1].steps > layouts[0].steps || (layouts[1].steps === layouts[0].steps && upright) ? layouts[1] : layouts[0];
    } else {
      // The open panel: the layout that shows the board largest without scrolling sideways, the
      // panel beside the window before below it, the phone's on an upright screen at a tie.
      var fitting = layouts.filter(function (l) { return l.fits; });
      if (!fitting.length) fitting = layouts.slice(-1);
      if (upright) fitting.reverse();
      chosen = fitting.reduce(function (best, l) { return l.steps > best.steps ? l : best; });
    }
    var size = chosen.size, steps = chosen.steps;
    var scale = steps / ratio;
    naturalSize(chosen.narrow, chosen.below);
    root.style.setProperty('--box-zoom', String(scale));
    // Centred in the room left by any scroll bar, on whole device pixels so that the board's first
    // pixel starts on one. An offset that is not a whole CSS pixel goes into the transform: the
    // layout would round it as a margin.
    stage.style.margin = '0';
    stage.style.width = size.width * scale + 'px';
    stage.style.height = size.height * scale + 'px';
    frame.style.transform = scale === 1 ? '' : 'scale(' + scale + ')';
    var x = Math.max(0, Math.floor((root.clientWidth * ratio - size.width * steps) / 2)) / ratio;
    var y = Math.max(0, Math.floor((root.clientHeight * ratio - size.height * steps) / 2)) / ratio;
    if (x === Math.round(x) && y === Math.round(y)) {
      stage.style.margin = y + 'px 0 0 ' + x + 'px';
    } else {
      stage.style.width = x + size.width * scale + 'px';
      stage.style.height = y + size.height * scale + 'px';
      frame.style.transform = 'translate(' + x + 'px, ' + y + 'px)' + (scale === 1 ? '' : ' scale(' + scale + ')');
    }
    Ardenika.boardMoved();
  }
  // The same size at another ratio (the window moved to another monitor) fires no resize.
  function watchRatio() {
    var query = matchMedia('(resolution: ' + (window.devicePixelRatio || 1) + 'dppx)');
    query.addEventListener('change', function changed() {
      query.removeEventListener('change', changed);
      fit();
      watchRatio();
    });
  }
  // Once the window is built: fitted now and whenever the screen changes.
  Ardenika.refit = function () { if (board) fit(); };
  Ardenika.fitToScreen = function () {
    board = document.querySelector('canvas.board');
    fit();
    window.addEventListener('resize', fit);
    watchRatio();
  };

  // F shows the window on the whole screen, at the largest sharp scale, and back; Escape leaves
  // it too (the browser does that). Not with a modifier, while typing, under a box or after the
  // end.
  document.addEventListener('keydown', function (e) {
    if (e.key !== 'f' && e.key !== 'F') return;
    if (e.ctrlKey || e.altKey || e.metaKey || e.shiftKey || e.repeat || e.isComposing) return;
    if (e.target.closest && e.target.closest('input, textarea, select, [contenteditable]')) return;
    if (document.querySelector('dialog[open]') || root.classList.contains('ended')) return;
    if (!document.fullscreenEnabled) return;
    e.preventDefault();
    var asked = document.fullscreenElement ? document.exitFullscreen() : root.requestFullscreen();
    // refused (an embedding page that does not allow it): the page stays as it is
    if (asked && asked.catch) asked.catch(function () {});
  });

  // Paper: the board alone, each board pixel four by four printer-image pixels without smoothing
  // so that no printer blurs it, and what the picture shows in lines under it, as a saved PNG
  // says it. Filled just before printing; the print styles hide everything else.
  var paper = document.getElementById('print');
  function fillPaper() {
    var copy = document.createElement('canvas');
    copy.width = board.width * 4;
    copy.height = board.height * 4;
    var g = copy.getContext('2d');
    g.imageSmoothingEnabled = false;
    g.drawImage(board, 0, 0, copy.width, copy.height);
    var lines = root.dataset.ready ? UTF8ToString(Module._ardenika_picture_description()).split('\n') : [];
    paper.replaceChildren(copy);
    lines.forEach(function (line) {
      var p = document.createElement('p');
      p.textContent = line;
      paper.appendChild(p);
    });
  }
  window.addEventListener('beforeprint', fillPaper);
  matchMedia('print').addEventListener('change', function (e) { if (e.matches) fillPaper(); });

  // The field's tables, and the grids' first use of their memory, cost the first picture 60 to
  // 160 ms, several times that on a slow computer; and the browser runs a loop in its quickly
  // compiled code until the loop has run a while, which made the first picture three to five times a
  // later one. Readied once the page has started and is idle (the tables, then every picture
  // drawn once on a board nobody sees), they hold up neither the first picture nor the page's
  // first answer.
  function prepareWhenIdle() {
    var later = window.requestIdleCallback
      ? function (f) { window.requestIdleCallback(f, { timeout: 2000 }); }
      : function (f) { requestAnimationFrame(function () { setTimeout(f, 0); }); };
    later(function () {
      Module._ardenika_prepare();
      later(function () {
        var charges = Module._ardenika_warm_up() >> 2;
        root.dataset.prepared = '1';
        LineWorker.start(HEAP32.slice(charges + 1, charges + 1 + 3 * HEAP32[charges]));
      });
    });
  }
  Module.postRun = [].concat(Module.postRun || [], LineWorker.guard, prepareWhenIdle);
})();

// The WebAssembly travels gzipped inside the page (the build compresses it); the browser
// inflates it here, from the page's own bytes, before compiling it. A module left as it was
// built is taken as it is.
Module.instantiateWasm = function (imports, receive) {
  'use strict';
  var bytes = tryParseAsDataURI(wasmBinaryFile);
  var inflated = bytes[0] === 0x1f && bytes[1] === 0x8b
    ? new Response(new Blob([bytes]).stream().pipeThrough(new DecompressionStream('gzip'))).arrayBuffer()
    : Promise.resolve(bytes);
  inflated.then(function (module) { return WebAssembly.instantiate(module, imports); })
    .then(function (result) {
      LineWorker.keep(result.module);
      receive(result.instance, result.module);
    }, function (reason) {
      err('failed to prepare the WebAssembly: ' + reason);
      abort(reason);
    });
  return {};
};
