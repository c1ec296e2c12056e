// The page side of the browser shell: binds the controls to the window logic and shows what it
// asks for. Every control's id is its form name; main.cpp calls back into Ardenika below.
var Ardenika = (function () {
  'use strict';
  var board = document.getElementById('Image1');
  var boardContext = board.getContext('2d', { alpha: false });
  var errorBox = document.getElementById('ErrorBox');
  var progress = document.getElementById('ProgressBar1');

  function run(id) {
    // A menu item chosen: the focus goes back to its menu's title, as the menu closes.
    var within = document.activeElement && document.activeElement.closest('.submenu');
    closeMenus();
    if (within) document.getElementById(within.getAttribute('aria-labelledby')).focus();
    Module.ccall('ardenika_run', 'boolean', ['string'], [id]);
  }

  // Menus: a click on a top-level item opens its submenu; while one is open, pointing at
  // another top-level item opens that one instead.
  var menus = Array.prototype.slice.call(document.querySelectorAll('#MainMenu1 > .menu'));
  function openMenu(menu) {
    menus.forEach(function (m) {
      var open = m === menu;
      m.querySelector('.submenu').classList.toggle('open', open);
      m.firstElementChild.setAttribute('aria-expanded', open ? 'true' : 'false');
    });
  }
  function closeMenus() { openMenu(null); }
  function anyMenuOpen() { return menus.some(function (m) { return m.querySelector('.submenu.open'); }); }
  menus.forEach(function (m) {
    var top = m.firstElementChild;
    top.addEventListener('click', function (e) {
      e.stopPropagation();
      openMenu(top.getAttribute('aria-expanded') === 'true' ? null : m);
      if (top.getAttribute('aria-expanded') === 'true') m.querySelector('.submenu button').focus();
    });
    top.addEventListener('pointerenter', function () { if (anyMenuOpen()) openMenu(m); });
  });
  document.addEventListener('click', closeMenus);
  document.addEventListener('keydown', function (e) {
    if (e.key === 'Escape') closeMenus();
    if (e.altKey && !e.ctrlKey && (e.key === 'k' || e.key === 'K') && !document.querySelector('dialog[open]')) {
      e.preventDefault();
      run('Koniec1');
    }
  });

  // The menu bar by keyboard, as the WAI-ARIA menubar: one Tab stop (the title last focused);
  // Left and Right walk the titles round, Enter, Space or Down open a menu on its first item, Up
  // on its last; in a menu Up and Down walk round, Enter or Space choose, Escape closes it back
  // to its title, Left and Right go on to the next menu, Tab closes it and leaves the bar.
  // Alt pressed and released alone puts the focus on the bar, as on the desktop.
  var bar = document.getElementById('MainMenu1');
  var titles = Array.prototype.map.call(bar.children, function (c) { return c.matches('button') ? c : c.firstElementChild; });
  function menuOf(title) { return title.parentNode === bar ? null : title.nextElementSibling; }
  function openOn(title, last) {
    openMenu(title.parentNode);
    var items = menuOf(title).querySelectorAll('button');
    items[last ? items.length - 1 : 0].focus();
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

  Array.prototype.forEach.call(document.querySelectorAll('[data-run]'), function (control) {
    control.addEventListener('click', function (e) {
      e.stopPropagation();
      run(control.id);
    });
  });

  // The board: the pixel under the pointer is read through the box the browser shows the board
  // in, since the page scales the window to the screen and a browser's zoom or an embedding
  // page's transform may scale it again. A press on the board captures the pointer; moves beyond
  // the edge then read the nearest edge pixel. The release over the board is the click, where
  // the finger or the mouse left it. The second press of a double click or tap (within 400 ms
  // and a few pixels of the last click) makes no click of its own, as on the desktop; a third
  // press clicks again.
  var held = null, lastClick = null;
  function pixel(e) {
    var box = board.getBoundingClientRect();
    var x = Math.floor((e.clientX - box.left) * board.width / box.width);
    var y = Math.floor((e.clientY - box.top) * board.height / box.height);
    return { x: x, y: y, inside: x >= 0 && x < board.width && y >= 0 && y < board.height };
  }
  function clamp(v, n) { return v < 0 ? 0 : v >= n ? n - 1 : v; }
  function move(p) { Module._ardenika_move(clamp(p.x, board.width), clamp(p.y, board.height)); }
  function secondOfDouble(e) {
    var near = e.pointerType === 'touch' ? 20 : 5;
    return lastClick !== null && e.pointerType === lastClick.type && e.timeStamp - lastClick.time < 400 &&
      Math.abs(e.clientX - lastClick.x) <= near && Math.abs(e.clientY - lastClick.y) <= near;
  }
  board.addEventListener('pointerdown', function (e) {
    if (e.button !== 0) return;
    held = { id: e.pointerId, clicks: !secondOfDouble(e) };
    board.setPointerCapture(e.pointerId);
    move(pixel(e));
  });
  board.addEventListener('pointermove', function (e) {
    var p = pixel(e);
    if (p.inside || (held && held.id === e.pointerId)) move(p);
  });
  board.addEventListener('pointerup', function (e) {
    if (!held || held.id !== e.pointerId) return;
    var clicks = held.clicks;
    held = null;
    var p = pixel(e);
    if (!p.inside) return;
    move(p);
    lastClick = clicks ? { type: e.pointerType, time: e.timeStamp, x: e.clientX, y: e.clientY } : null;
    if (clicks) Module._ardenika_board_click();
  });
  board.addEventListener('pointercancel', function () { held = null; });

  // Saving the board: Ctrl+S (Cmd+S on a Mac) downloads "ardenika.png", the canvas's own pixels
  // from the browser's PNG encoder with the program's description in an iTXt chunk, as the
  // desktop saves it at 1x. The board's context menu is the browser's own, with its "Save image".
  var crcTable = null;
  function crc32(bytes) {
    if (!crcTable) {
      crcTable = new Uint32Array(256);
      for (var n = 0; n < 256; ++n) {
        var c = n;
        for (var k = 0; k < 8; ++k) c = c & 1 ? 0xedb88320 ^ (c >>> 1) : c >>> 1;
        crcTable[n] = c;
      }
    }
    var crc = 0xffffffff;
    for (var i = 0; i < bytes.length; ++i) crc = crcTable[(crc ^ bytes[i]) & 0xff] ^ (crc >>> 8);
    return (crc ^ 0xffffffff) >>> 0;
  }
  // An uncompressed iTXt chunk: keyword, no compression, an empty language tag (the text is
  // Polish, but the tag is optional) and no translated keyword, then the text in UTF-8.
  function textChunk(key, text) {
    var utf8 = new TextEncoder();
    var keyBytes = utf8.encode(key), textBytes = utf8.encode(text);
    var length = keyBytes.length + 5 + textBytes.length;
    var chunk = new Uint8Array(12 + length);
    var view = new DataView(chunk.buffer);
    view.setUint32(0, length);
    chunk.set(utf8.encode('iTXt'), 4);
    chunk.set(keyBytes, 8);
    // the keyword's terminator, the compression flag and method, and two empty texts' terminators
    chunk.set(textBytes, 8 + keyBytes.length + 5);
    view.setUint32(8 + length, crc32(chunk.subarray(4, 8 + length)));
    return chunk;
  }
  function savePicture() {
    var name = UTF8ToString(Module._ardenika_picture_file_name());
    var chunk = textChunk(UTF8ToString(Module._ardenika_picture_text_key()),
                          UTF8ToString(Module._ardenika_picture_description()));
    board.toBlob(function (png) {
      if (!png) {
        Ardenika.showError('Nie udało się zapisać obrazu do pliku\n' + name);
        return;
      }
      png.arrayBuffer().then(function (buffer) {
        // the signature (8 bytes) and IHDR (25) come first; the text goes right after them
        var bytes = new Uint8Array(buffer), headed = 8 + 25;
        var link = document.createElement('a');
        link.href = URL.createObjectURL(new Blob([bytes.subarray(0, headed), chunk, bytes.subarray(headed)], { type: 'image/png' }));
        link.download = name;
        link.click();
        // the download reads the blob after the click returns; a slow one still gets it
        setTimeout(function () { URL.revokeObjectURL(link.href); }, 60000);
      });
    }, 'image/png');
  }
  document.addEventListener('keydown', function (e) {
    // AltGr is Ctrl+Alt on Windows: AltGr+S types the Polish "ś" and saves nothing.
    if (!(e.ctrlKey || e.metaKey) || e.altKey || e.shiftKey || (e.key !== 's' && e.key !== 'S')) return;
    if (document.querySelector('dialog[open]') || document.documentElement.classList.contains('ended')) return;
    e.preventDefault();
    savePicture();
  });

  // The board by keyboard. It takes the focus by Tab only: a press of the mouse or a finger
  // leaves the focus where it was. The window logic keeps the cursor; the page draws it over
  // the board (#BoardCursor) while the board has the focus. A held Enter clicks once.
  var boardKeys = { ArrowLeft: 0, ArrowRight: 1, ArrowUp: 2, ArrowDown: 3, Home: 4, Enter: 5, ' ': 5 };
  var activate = 5;
  var cursorMark = document.getElementById('BoardCursor');
  var cursorAt = {};
  board.addEventListener('mousedown', function (e) { e.preventDefault(); });
  board.addEventListener('keydown', function (e) {
    var key = boardKeys[e.key];
    if (key === undefined || e.altKey || e.ctrlKey || e.metaKey) return;
    e.preventDefault();
    if (key === activate && e.repeat) return;
    if (key === activate) lastClick = null;
    Module._ardenika_board_key(key, e.shiftKey);
  });

  // The readout for screen readers: the five labels said together in #Readout, at most twice a
  // second; the last change of a burst is said when its half second is over.
  var readout = document.getElementById('Readout'), readoutTimer = null, readoutSaid = 0;
  function sayReadout() {
    if (readoutTimer !== null) return;
    readoutTimer = setTimeout(function () {
      readoutTimer = null;
      readoutSaid = Date.now();
      readout.textContent = [1, 2, 3, 4, 5].map(function (n) {
        return document.getElementById('Label' + n).textContent.replace(/\s+/g, ' ');
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

  document.getElementById('restart').addEventListener('click', function () { location.reload(); });
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
  var families = {
    dialog: '"MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans", "DejaVu Sans", sans-serif',
    sans: 'Arial, "Liberation Sans", "DejaVu Sans", sans-serif',
    serif: '"Times New Roman", "Liberation Serif", "DejaVu Serif", serif',
    heavy: '"Arial Black", "Liberation Sans", "DejaVu Sans", sans-serif'
  };
  function setFont(element, font) {
    element.style.fontFamily = families[font.role];
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
        drawSideStrip(e.getContext('2d'), c.width, c.height);
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
      // Form names of the dialog repeat the window's (Image1, Label3), so they are not ids.
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

  // The decorative strip of both help dialogs, drawn as the desktop draws it: the gradient from
  // the positive marker's red to the negative one's blue, a dipole's field lines and the charges.
  function drawSideStrip(g, width, height) {
    var red = 'rgb(224,28,0)', blue = 'rgb(0,28,164)';
    var background = g.createLinearGradient(0, 0, 0, height);
    background.addColorStop(0, red);
    background.addColorStop(0.5, 'rgb(112,28,82)');
    background.addColorStop(1, blue);
    g.fillStyle = background;
    g.fillRect(0, 0, width, height);
    var x = width / 2, top = 62, bottom = 267;
    g.lineWidth = 1;
    for (var line = -3; line <= 3; ++line) {
      var bulge = line * 15;
      g.strokeStyle = 'rgba(255,255,255,' + (150 - 25 * Math.abs(line)) / 255 + ')';
      g.beginPath();
      g.moveTo(x, top);
      g.bezierCurveTo(x + bulge, top + 60, x + bulge, bottom - 60, x, bottom);
      g.stroke();
    }
    g.strokeStyle = 'rgba(255,255,255,' + 90 / 255 + ')';
    g.beginPath();
    g.moveTo(x, top); g.lineTo(x, 0);
    g.moveTo(x, bottom); g.lineTo(x, height);
    g.stroke();
    [[top, red, true], [bottom, blue, false]].forEach(function (charge) {
      var y = charge[0];
      g.beginPath();
      g.arc(x, y, 10, 0, 2 * Math.PI);
      g.fillStyle = charge[1];
      g.fill();
      g.strokeStyle = '#fff';
      g.lineWidth = 1.5;
      g.stroke();
      g.lineWidth = 2;
      g.beginPath();
      g.moveTo(x - 5, y); g.lineTo(x + 5, y);
      if (charge[2]) { g.moveTo(x, y - 5); g.lineTo(x, y + 5); }
      g.stroke();
    });
  }

  return {
    showBoard: function (pointer, width, height) {
      boardContext.putImageData(imageFrom(pointer, width, height, false), 0, 0);
    },
    // A glyph with its bottom-left pixel's colour made see-through, drawn pixel for pixel.
    setGlyph: function (id, pointer, width, height) {
      var image = imageFrom(pointer, width, height, true);
      var words = new Uint32Array(image.data.buffer);
      var key = words[(height - 1) * width];
      for (var i = 0; i < words.length; ++i) if (words[i] === key) words[i] = 0;
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
    setLabel: function (n, text) {
      var label = document.getElementById('Label' + n);
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
      if (on) board.title = 'Kliknij';
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
    openDialog: function (id) {
      var content = helpContent()[id === 'Opisprogramu1' ? 'description' : 'about'];
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
      close.setAttribute('aria-label', 'Zamknij');
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
    // What a picture command drew, for screen readers.
    announce: function (text) { document.getElementById('Announcer').textContent = text; },
    gridsDigest: function () { return (Module._ardenika_grids_digest() >>> 0).toString(16).padStart(8, '0'); },
    started: function () {
      // Every control's accessible name from the program's one table.
      JSON.parse(UTF8ToString(Module._ardenika_accessible_names_json())).forEach(function (entry) {
        document.getElementById(entry[0]).setAttribute('aria-label', entry[1]);
      });
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
  var frame = document.getElementById('window');
  var board = document.getElementById('Image1');

  // The window's size at a scale of 1 in one layout, in CSS pixels.
  function naturalSize(narrow) {
    root.classList.toggle('narrow', narrow);
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

  // The window at that scale, in the layout that shows the board larger; an upright screen (a
  // phone held upright) takes the narrow one at a tie.
  function fit() {
    if (root.classList.contains('ended')) return;
    var ratio = window.devicePixelRatio || 1;
    var width = window.innerWidth * ratio, height = window.innerHeight * ratio;
    var wide = naturalSize(false), narrow = naturalSize(true);
    var wideSteps = wholeSteps(wide, width, height, ratio), narrowSteps = wholeSteps(narrow, width, height, ratio);
    var useNarrow = narrowSteps > wideSteps || (narrowSteps === wideSteps && window.innerHeight > window.innerWidth);
    var size = useNarrow ? narrow : wide;
    var steps = useNarrow ? narrowSteps : wideSteps;
    var scale = steps / ratio;
    root.classList.toggle('narrow', useNarrow);
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
  fit();
  window.addEventListener('resize', fit);
  // The same size at another ratio (the window moved to another monitor) fires no resize.
  (function watchRatio() {
    var query = matchMedia('(resolution: ' + (window.devicePixelRatio || 1) + 'dppx)');
    query.addEventListener('change', function changed() {
      query.removeEventListener('change', changed);
      fit();
      watchRatio();
    });
  })();

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
  // 160 ms, several times that on a slow computer. Readied once the page has started and is idle,
  // they hold up neither the first picture nor the page's first answer.
  function prepareWhenIdle() {
    var later = window.requestIdleCallback
      ? function (f) { window.requestIdleCallback(f, { timeout: 2000 }); }
      : function (f) { requestAnimationFrame(function () { setTimeout(f, 0); }); };
    later(function () {
      Module._ardenika_prepare();
      root.dataset.prepared = '1';
    });
  }
  Module.postRun = [].concat(Module.postRun || [], prepareWhenIdle);
})();
