// The page side of the browser shell: binds the controls to the window logic and shows what it
// asks for. Every control's id is its form name; main.cpp calls back into Ardenika below.
var Ardenika = (function () {
  'use strict';
  var board = document.getElementById('Image1');
  var boardContext = board.getContext('2d', { alpha: false });
  var errorBox = document.getElementById('ErrorBox');
  var progress = document.getElementById('ProgressBar1');

  function run(id) {
    closeMenus();
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

  Array.prototype.forEach.call(document.querySelectorAll('[data-run]'), function (control) {
    control.addEventListener('click', function (e) {
      e.stopPropagation();
      run(control.id);
    });
  });

  // The board: one CSS pixel per board pixel, so the pixel under the pointer is floor(offset).
  // A press on the board captures the pointer; moves beyond the edge then read the nearest
  // edge pixel. The release over the board is the click, where the finger or the mouse left it.
  var held = null;
  function pixel(e) {
    var x = Math.floor(e.offsetX), y = Math.floor(e.offsetY);
    return { x: x, y: y, inside: x >= 0 && x < board.width && y >= 0 && y < board.height };
  }
  function clamp(v, n) { return v < 0 ? 0 : v >= n ? n - 1 : v; }
  function move(p) { Module._ardenika_move(clamp(p.x, board.width), clamp(p.y, board.height)); }
  board.addEventListener('pointerdown', function (e) {
    if (e.button !== 0) return;
    held = e.pointerId;
    board.setPointerCapture(e.pointerId);
    move(pixel(e));
  });
  board.addEventListener('pointermove', function (e) {
    var p = pixel(e);
    if (p.inside || held === e.pointerId) move(p);
  });
  board.addEventListener('pointerup', function (e) {
    if (held !== e.pointerId) return;
    held = null;
    var p = pixel(e);
    if (!p.inside) return;
    move(p);
    Module._ardenika_board_click();
  });
  board.addEventListener('pointercancel', function () { held = null; });
  board.addEventListener('contextmenu', function (e) { e.preventDefault(); });

  // Pixels in the module's memory as an image; a copy when the page changes them.
  function imageFrom(pointer, width, height, copy) {
    var size = width * height * 4;
    var bytes = copy ? new Uint8ClampedArray(HEAPU8.slice(pointer, pointer + size).buffer)
                     : new Uint8ClampedArray(HEAPU8.buffer, pointer, size);
    return new ImageData(bytes, width, height);
  }

  document.getElementById('restart').addEventListener('click', function () { location.reload(); });
  errorBox.querySelector('.ok').addEventListener('click', function () { errorBox.close(); });

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
      if (label.textContent !== text) label.textContent = text;
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
      if (!errorBox.open) errorBox.showModal();
      errorBox.querySelector('.ok').focus();
    },
    // The help dialogs' content is filled in by fillDialog(id, body), when a page provides it.
    fillDialog: null,
    openDialog: function (id) {
      var caption = document.getElementById(id).textContent;
      var dialog = document.createElement('dialog');
      dialog.setAttribute('role', 'dialog');
      dialog.setAttribute('aria-modal', 'true');
      dialog.setAttribute('aria-label', caption);
      dialog.className = 'help';
      var bar = document.createElement('div');
      bar.className = 'dlgbar';
      var title = document.createElement('span');
      title.textContent = caption;
      var close = document.createElement('button');
      close.type = 'button';
      close.setAttribute('aria-label', 'Zamknij');
      close.textContent = '\u2715';
      bar.append(title, close);
      var body = document.createElement('div');
      body.className = 'dlgbody';
      dialog.append(bar, body);
      document.body.appendChild(dialog);
      if (Ardenika.fillDialog) Ardenika.fillDialog(id, body, dialog);
      close.addEventListener('click', function () { dialog.close(); });
      dialog.addEventListener('close', function () { dialog.remove(); });
      dialog.showModal();
    },
    endProgram: function () {
      Array.prototype.forEach.call(document.querySelectorAll('dialog[open]'), function (d) { d.close(); });
      document.documentElement.classList.add('ended');
      document.getElementById('restart').focus();
    },
    // What a picture command drew, for screen readers.
    announce: function (text) { document.getElementById('Announcer').textContent = text; },
    started: function () { document.documentElement.dataset.ready = '1'; }
  };
})();
