// What the browser game needs of the page that emscripten/html5.h does not give: the canvas, the
// in-page windows and their controls, the message dialog, the page's storage, Web Audio and the
// touch buttons. It decides nothing: the C++ side says what to draw, make and place, in device
// or CSS pixels, and hears back what the player did.
mergeInto(LibraryManager.library, {
  $page: {
    stage: null,
    canvas: null,
    main: null,
    layer: null,
    target: null,
    pictures: [],
    windows: [],
    audio: null,
    music: null,
    musicState: 0, // 0 not asked for, 1 loading, 2 ready, 3 failed
    musicWanted: false,
    source: null,
    storageError: '',
    byId: function (id) { return document.getElementById(id); },
    colour: function (rgb) { return '#' + (0x1000000 | rgb).toString(16).slice(1); },
    // Every call from the page into the game goes through here, so that nothing it throws
    // reaches the page's own handlers half done.
    call: function (f) {
      try { f(); } catch (e) { console.error('zundabar:', e); }
    },
    focusable: function (w) {
      return Array.prototype.slice.call(w.body.querySelectorAll('button, input'));
    },
    // The page's own controls and the sound's unlocking; the keys are the program's from its start.
    wire: function () {
      var banner = page.byId('creditBanner');
      banner.addEventListener('pointerdown', function (e) {
        if (e.button === 0) page.call(function () { _zundabarBanner(1, 1); });
      });
      document.addEventListener('pointerup', function (e) {
        if (e.button !== 0) return;
        var r = banner.getBoundingClientRect();
        var inside = e.clientX >= r.left && e.clientX < r.right && e.clientY >= r.top &&
            e.clientY < r.bottom;
        page.call(function () { _zundabarBanner(0, inside ? 1 : 0); });
      });
      // A finger held on a touch button is its key held down; a finger that slides off lets go.
      Array.prototype.forEach.call(document.querySelectorAll('#touchButtons button'), function (b) {
        var key = Number(b.dataset.key);
        var up = function (e) {
          if (!b.classList.contains('held')) return;
          b.classList.remove('held');
          page.call(function () { _zundabarTouchKey(key, 0); });
          e.preventDefault();
        };
        b.addEventListener('pointerdown', function (e) {
          b.classList.add('held');
          b.releasePointerCapture(e.pointerId);
          page.call(function () { _zundabarTouchKey(key, 1); });
          e.preventDefault();
        });
        ['pointerup', 'pointercancel', 'pointerleave'].forEach(function (n) {
          b.addEventListener(n, up);
        });
        b.addEventListener('contextmenu', function (e) { e.preventDefault(); });
      });
      page.byId('message').addEventListener('close', function () {
        page.call(function () { _zundabarMessageClosed(); });
      });
      page.byId('playAgain').addEventListener('click', function () {
        page.byId('ended').hidden = true;
        page.call(function () { _zundabarPlayAgain(); });
      });
      page.canvas.addEventListener('contextmenu', function (e) {
        e.preventDefault();
        page.call(function () { _zundabarMenu(e.clientX, e.clientY); });
      });
      var menu = page.byId('displayMenu');
      menu.addEventListener('click', function (e) {
        menu.hidden = true;
        if (e.target.dataset.command) {
          page.call(function () { _zundabarDisplayCommand(Number(e.target.dataset.command)); });
        }
      });
      document.addEventListener('pointerdown', function (e) {
        if (!menu.contains(e.target)) menu.hidden = true;
      });
      // Autoplay: the page may start its sound only after the player's first key or touch.
      var unlock = function () {
        try {
          if (!page.audio) page.audio = new AudioContext();
          if (page.audio.state === 'suspended' && !document.hidden) page.audio.resume();
        } catch (e) {
          console.warn('zundabar: the page cannot play sound:', e.message);
        }
      };
      document.addEventListener('keydown', unlock, true);
      document.addEventListener('pointerdown', unlock, true);
      page.unlockSound = unlock;
    },
    // The changes to the labels' text for screen readers, in order, until the first frame has been
    // drawn.
    labels: [],
    framed: false,
    showLabels: function () {
      page.labels.forEach(function (label) {
        var id = 'label_' + label.name;
        var e = page.byId(id);
        if (!e) {
          e = document.createElement('p');
          e.id = id;
          page.byId('labels').appendChild(e);
        }
        e.textContent = label.caption;
        e.hidden = !label.visible;
      });
      page.labels = [];
    },
  },

  pageStart__deps: ['$page'],
  pageStart: function () {
    page.stage = page.byId('stage');
    page.canvas = page.byId('mainWindow');
    page.main = page.canvas.getContext('2d', {alpha: false});
    page.layer = document.createElement('canvas').getContext('2d', {alpha: false});
    page.target = page.main;
  },

  // The room the game may take, in CSS pixels: the viewport, less the touch buttons' side.
  pageRoom__deps: ['$page'],
  pageRoom: function (out) {
    var touch = page.byId('touchButtons');
    var w = document.documentElement.clientWidth;
    var h = document.documentElement.clientHeight;
    if (document.fullscreenElement) {
      w = screen.width;
      h = screen.height;
    } else if (!touch.hidden) {
      if (w > h) w -= touch.offsetWidth; else h -= touch.offsetHeight;
    }
    HEAP32[out >> 2] = w;
    HEAP32[(out >> 2) + 1] = h;
  },

  pageHasTouch: function () {
    return navigator.maxTouchPoints > 0 || matchMedia('(pointer: coarse)').matches ? 1 : 0;
  },

  pageShowTouchButtons__deps: ['$page'],
  pageShowTouchButtons: function (shown) {
    page.byId('touchButtons').hidden = !shown;
  },

  // The stage holds the main window's canvas; full screen it fills the screen, black around it.
  pageSetStage__deps: ['$page'],
  pageSetStage: function (x, y, cssWidth, cssHeight, deviceWidth, deviceHeight, fullScreen) {
    var s = page.stage.style;
    s.marginLeft = x + 'px';
    s.marginTop = y + 'px';
    s.width = cssWidth + 'px';
    s.height = cssHeight + 'px';
    page.stage.classList.toggle('fullScreen', !!fullScreen);
    page.canvas.width = deviceWidth;
    page.canvas.height = deviceHeight;
    page.canvas.style.width = cssWidth + 'px';
    page.canvas.style.height = cssHeight + 'px';
  },

  pagePlaceElement__deps: ['$page'],
  pagePlaceElement: function (id, x, y, width, height) {
    var s = page.byId(UTF8ToString(id)).style;
    s.left = x + 'px';
    s.top = y + 'px';
    s.width = width + 'px';
    s.height = height + 'px';
  },

  pageTarget__deps: ['$page'],
  pageTarget: function (layer, width, height) {
    if (layer && (page.layer.canvas.width !== width || page.layer.canvas.height !== height)) {
      page.layer.canvas.width = width;
      page.layer.canvas.height = height;
    }
    page.target = layer ? page.layer : page.main;
  },

  pageFillRect__deps: ['$page'],
  pageFillRect: function (x, y, width, height, rgb) {
    page.target.fillStyle = page.colour(rgb);
    page.target.fillRect(x, y, width, height);
  },

  pageClip__deps: ['$page'],
  pageClip: function (x, y, width, height) {
    page.target.save();
    page.target.beginPath();
    page.target.rect(x, y, width, height);
    page.target.clip();
  },

  pageUnclip__deps: ['$page'],
  pageUnclip: function () { page.target.restore(); },

  pageDrawLayer__deps: ['$page'],
  pageDrawLayer: function (x, y) { page.main.drawImage(page.layer.canvas, x, y); },

  // A picture from straight RGBA pixels.
  pageMakePicture__deps: ['$page'],
  pageMakePicture: function (id, pixels, width, height) {
    var c = document.createElement('canvas');
    c.width = width;
    c.height = height;
    c.getContext('2d').putImageData(
        new ImageData(new Uint8ClampedArray(HEAPU8.buffer, pixels, width * height * 4).slice(),
            width, height), 0, 0);
    page.pictures[id] = c;
  },

  // The areas are x, y, width, height and 0xAARRGGBB, five words each; they do not overlap.
  pageMakeFlatPicture__deps: ['$page'],
  pageMakeFlatPicture: function (id, width, height, areas, count, scale) {
    var c = document.createElement('canvas');
    c.width = width;
    c.height = height;
    var g = c.getContext('2d', {alpha: false});
    var colour = -1;
    for (var a = 0, at = areas >> 2; a < count; ++a, at += 5) {
      var rgb = HEAP32[at + 4] & 0xffffff;
      if (rgb !== colour) {
        g.fillStyle = page.colour(rgb);
        colour = rgb;
      }
      g.fillRect(HEAP32[at] * scale, HEAP32[at + 1] * scale, HEAP32[at + 2] * scale,
          HEAP32[at + 3] * scale);
    }
    page.pictures[id] = c;
  },

  pageDrawPicture__deps: ['$page'],
  pageDrawPicture: function (id, x, y) { page.target.drawImage(page.pictures[id], x, y); },

  pageText__deps: ['$page'],
  pageText: function (text, x, y, font, rgb, underline, underlineY, underlineHeight) {
    var g = page.target;
    g.font = UTF8ToString(font);
    g.fillStyle = page.colour(rgb);
    g.textBaseline = 'alphabetic';
    var t = UTF8ToString(text);
    g.fillText(t, x, y);
    if (underline) g.fillRect(x, underlineY, Math.round(g.measureText(t).width), underlineHeight);
  },

  // Text is measured on a canvas of its own, whose font is set only when it changes: setting a
  // canvas's font parses it anew. A text is measured once in each font: fitting the font to the
  // captions and breaking the labels' lines measure the same parts again and again.
  $measure: {
    context: null,
    font: '',
    widths: {},
    faces: {},
    // What tells one face from another by its width.
    faceText: 'mmmmmmmmmmlli WWW 0123456789',
    inFont: function (font) {
      if (!measure.context) measure.context = document.createElement('canvas').getContext('2d');
      if (measure.font !== font) {
        measure.context.font = font;
        measure.font = font;
      }
      return measure.context;
    },
    width: function (text, font) {
      var known = measure.widths[font];
      // The score's and the level's numbers are new texts for ever: the store stays small.
      if (!known || known.size > 1000) known = measure.widths[font] = new Map();
      var width = known.get(text);
      if (width === undefined) {
        width = measure.inFont(font).measureText(text).width;
        known.set(text, width);
      }
      return width;
    },
    // A face is there when text in it is not as wide as in the face that stands in for it where
    // the browser lacks it: the page's own face, which it has loaded already, else the generic
    // monospace one, which the system would have to look up. Looking for a face the system lacks
    // costs milliseconds: each is looked for once.
    hasFace: function (name) {
      if (!(name in measure.faces)) {
        var own = measure.ownFace();
        var standIn = own ? '"' + own + '"' : 'monospace';
        var width = measure.width(measure.faceText, '32px "' + name + '", ' + standIn);
        measure.faces[name] = width !== measure.width(measure.faceText, '32px ' + standIn) ? 1 : 0;
      }
      return measure.faces[name];
    },
    // The family of the first face the page has declared and loaded, or ''.
    ownFace: function () {
      var family = '';
      document.fonts.forEach(function (f) {
        if (!family && f.status === 'loaded') family = f.family.replace(/"/g, '');
      });
      return family;
    },
    // Run as the program's script starts, while its wasm is still on its way: the page is laid
    // out, and the faces its style names are looked for (but for its own face and the generic
    // ones), as the first time of each costs milliseconds that the first frame would otherwise
    // wait for.
    beforeProgram: function () {
      try {
        document.documentElement.getBoundingClientRect();
        var own = {};
        document.fonts.forEach(function (f) { own[f.family.replace(/"/g, '')] = true; });
        getComputedStyle(document.body).fontFamily.split(',').forEach(function (name) {
          name = name.trim().replace(/^"|"$/g, '');
          var generic = /^(serif|sans-serif|monospace|cursive|fantasy|system-ui)$/.test(name);
          if (!own[name] && !generic) measure.hasFace(name);
        });
      } catch (e) {}
    },
  },
  $measure__postset: 'measure.beforeProgram();',

  pageTextWidth__deps: ['$measure'],
  pageTextWidth: function (text, font) {
    return measure.width(UTF8ToString(text), UTF8ToString(font));
  },

  // The font's ascent and descent in pixels, as the canvas lays out its lines.
  pageFontMetrics__deps: ['$measure'],
  pageFontMetrics: function (font, out) {
    var m = measure.inFont(UTF8ToString(font)).measureText('Hg');
    HEAPF64[out >> 3] = m.fontBoundingBoxAscent;
    HEAPF64[(out >> 3) + 1] = m.fontBoundingBoxDescent;
  },

  pageHasFace__deps: ['$measure'],
  pageHasFace: function (family) { return measure.hasFace(UTF8ToString(family)); },

  // A font the page has loaded already, as it has our own face, is ready at once.
  pageFontsReady__deps: ['$page'],
  pageFontsReady: function (font) {
    var f = UTF8ToString(font);
    var ready = function () {
      page.call(function () { _zundabarFontsReady(); });
    };
    if (document.fonts.check(f)) {
      ready();
    } else {
      document.fonts.load(f).catch(function () {}).then(ready);
    }
  },

  pageLabel__deps: ['$page'],
  pageLabel: function (name, caption, visible) {
    page.labels.push({name: UTF8ToString(name), caption: UTF8ToString(caption), visible: visible});
    if (page.framed) page.showLabels();
  },

  // The first frame is drawn: a mark on the page's timeline, for the start-up benchmark. What the
  // frame does not show waits until the browser has shown it: the page's controls are wired and
  // the labels' text for screen readers is written then; the offline copy, which fetches every
  // file, the music too, is made once the page has all it needs.
  pageFirstFrame__deps: ['$page'],
  pageFirstFrame: function () {
    performance.mark('zundabar-first-frame');
    if (page.framed) return;
    page.framed = true;
    var keep = function () {
      if (!('serviceWorker' in navigator) || location.protocol === 'file:') return;
      navigator.serviceWorker.register('service_worker.js').catch(function (e) {
        console.warn('zundabar: no offline copy:', e.message);
      });
    };
    setTimeout(function () {
      page.wire();
      page.showLabels();
      if (document.readyState === 'complete') keep(); else addEventListener('load', keep);
    }, 0);
  },

  pageFocusGame__deps: ['$page'],
  pageFocusGame: function () { page.canvas.focus({preventScroll: true}); },

  // Where the keyboard is: the window and control index, -1 in the game itself, -2 in the message.
  pageFocus__deps: ['$page'],
  pageFocus: function (out) {
    var e = document.activeElement;
    HEAP32[out >> 2] = -1;
    HEAP32[(out >> 2) + 1] = -1;
    if (page.byId('message').open) {
      HEAP32[out >> 2] = -2;
      return;
    }
    for (var w = 0; w < page.windows.length; ++w) {
      var win = page.windows[w];
      if (win && win.element.contains(e)) {
        HEAP32[out >> 2] = w;
        HEAP32[(out >> 2) + 1] = e.dataset && e.dataset.control ? Number(e.dataset.control) : -1;
      }
    }
  },

  pageShowMessage__deps: ['$page'],
  pageShowMessage: function (caption, text, font) {
    var d = page.byId('message');
    page.byId('messageCaption').textContent = UTF8ToString(caption);
    var p = page.byId('messageText');
    p.textContent = UTF8ToString(text);
    d.style.font = UTF8ToString(font);
    if (!d.open) d.showModal();
    d.querySelector('button').focus();
  },

  pageShowEnded__deps: ['$page'],
  pageShowEnded: function () {
    if (page.source) try { page.source.stop(); } catch (e) {}
    page.source = null;
    page.musicWanted = false;
    var d = page.byId('message');
    if (d.open) d.close();
    page.byId('ended').hidden = false;
    page.byId('playAgain').focus();
  },

  pageToggleFullScreen__deps: ['$page'],
  pageToggleFullScreen: function () {
    var done = function (e) { console.warn('zundabar: no full screen:', e.message); };
    try {
      if (document.fullscreenElement) document.exitFullscreen().catch(done);
      else page.byId('game').requestFullscreen().catch(done);
    } catch (e) {
      done(e);
    }
  },

  pageShowMenu__deps: ['$page'],
  pageShowMenu: function (x, y, fullScreenText, keysText, checked) {
    var menu = page.byId('displayMenu');
    var item = menu.querySelector('button');
    item.firstChild.textContent = UTF8ToString(fullScreenText);
    item.querySelector('kbd').textContent = UTF8ToString(keysText);
    item.setAttribute('aria-checked', checked ? 'true' : 'false');
    menu.style.left = x + 'px';
    menu.style.top = y + 'px';
    menu.hidden = false;
    item.focus();
  },

  // The in-page windows: a title bar with the caption and a close control over a client area.
  pageWindowMake__deps: ['$page'],
  pageWindowMake: function (w, caption) {
    var element = document.createElement('section');
    element.className = 'window';
    element.hidden = true;
    element.setAttribute('role', 'dialog');
    var title = document.createElement('div');
    title.className = 'titleBar';
    var name = document.createElement('h2');
    name.id = 'window' + w + 'Caption';
    name.textContent = UTF8ToString(caption);
    element.setAttribute('aria-labelledby', name.id);
    var close = document.createElement('button');
    close.className = 'close';
    close.setAttribute('aria-label', 'Close');
    close.tabIndex = -1;
    close.textContent = '\u00d7';
    close.addEventListener('click', function () {
      page.call(function () { _zundabarWindowClosed(w); });
    });
    title.appendChild(name);
    title.appendChild(close);
    var body = document.createElement('div');
    body.className = 'client';
    element.appendChild(title);
    element.appendChild(body);
    // Tab goes round the window's own controls, as in a window of its own.
    element.addEventListener('keydown', function (e) {
      if (e.key !== 'Tab') return;
      var all = page.focusable(page.windows[w]).filter(function (c) { return c.tabIndex >= 0; });
      var at = all.indexOf(document.activeElement);
      if (!all.length) return;
      e.preventDefault();
      all[(at + (e.shiftKey ? all.length - 1 : 1)) % all.length].focus();
    });
    page.stage.parentNode.appendChild(element);
    page.windows[w] = {element: element, body: body, title: title, controls: [], last: null};
  },

  pageWindowPlace__deps: ['$page'],
  pageWindowPlace: function (w, x, y, width, height, titleHeight, font) {
    var win = page.windows[w];
    var s = win.element.style;
    s.left = x + 'px';
    s.top = y + 'px';
    s.font = UTF8ToString(font);
    win.title.style.height = titleHeight + 'px';
    win.body.style.width = width + 'px';
    win.body.style.height = height + 'px';
  },

  pageWindowShow__deps: ['$page'],
  pageWindowShow: function (w, first) {
    var win = page.windows[w];
    win.element.hidden = false;
    (win.last && win.body.contains(win.last) ? win.last : win.controls[first]).focus();
  },

  pageWindowHide__deps: ['$page'],
  pageWindowHide: function (w) {
    var win = page.windows[w];
    if (win.body.contains(document.activeElement)) win.last = document.activeElement;
    win.element.hidden = true;
  },

  pageWindowRemove__deps: ['$page'],
  pageWindowRemove: function (w) {
    var win = page.windows[w];
    if (win) win.element.remove();
    page.windows[w] = null;
  },

  // kind: 0 label, 1 push button, 2 check box, 3 slider (with its range), 4 picture.
  pageControlMake__deps: ['$page'],
  pageControlMake: function (w, c, kind, caption, name, labelledBy, min, max) {
    var win = page.windows[w];
    var text = UTF8ToString(caption);
    var e;
    if (kind === 0) {
      e = document.createElement('div');
      e.className = 'label';
      e.textContent = text;
    } else if (kind === 1) {
      e = document.createElement('button');
      e.textContent = text;
      e.addEventListener('click', function () {
        page.call(function () { _zundabarControlPressed(w, c); });
      });
    } else if (kind === 2 || kind === 3) {
      e = document.createElement('input');
      e.type = kind === 2 ? 'checkbox' : 'range';
      if (kind === 3) {
        e.min = min;
        e.max = max;
        e.step = 1;
        var ticks = document.createElement('datalist');
        ticks.id = 'ticks' + w + '_' + c;
        for (var v = min; v <= max; ++v) {
          var o = document.createElement('option');
          o.value = v;
          ticks.appendChild(o);
        }
        win.body.appendChild(ticks);
        e.setAttribute('list', ticks.id);
        e.addEventListener('input', function () {
          page.call(function () { _zundabarSliderMoved(w, c); });
        });
      }
      if (text) e.title = text;
    } else {
      e = document.createElement('canvas');
      e.className = 'picture';
      e.setAttribute('role', 'img');
    }
    e.dataset.control = c;
    e.dataset.name = UTF8ToString(name);
    if (kind !== 0 && kind !== 4) e.tabIndex = 0;
    var by = UTF8ToString(labelledBy);
    if (by) e.setAttribute('aria-labelledby', 'w' + w + '_' + by);
    e.id = 'w' + w + '_' + e.dataset.name;
    win.body.appendChild(e);
    win.controls[c] = e;
  },

  pageControlPlace__deps: ['$page'],
  pageControlPlace: function (w, c, x, y, width, height, font, back, fore, wraps) {
    var e = page.windows[w].controls[c];
    var s = e.style;
    s.left = x + 'px';
    s.top = y + 'px';
    s.width = width + 'px';
    s.height = height + 'px';
    s.font = UTF8ToString(font);
    if (back >= 0) s.backgroundColor = page.colour(back);
    if (fore >= 0) s.color = page.colour(fore);
  },

  pageControlText__deps: ['$page'],
  pageControlText: function (w, c, text) {
    page.windows[w].controls[c].textContent = UTF8ToString(text);
  },

  pageControlValue__deps: ['$page'],
  pageControlValue: function (w, c) {
    var e = page.windows[w].controls[c];
    return e.type === 'checkbox' ? (e.checked ? 1 : 0) : Number(e.value);
  },

  pageControlSetValue__deps: ['$page'],
  pageControlSetValue: function (w, c, value) {
    var e = page.windows[w].controls[c];
    if (e.type === 'checkbox') e.checked = value !== 0; else e.value = value;
  },

  pageControlPicture__deps: ['$page'],
  pageControlPicture: function (w, c, id, cssWidth, cssHeight) {
    var e = page.windows[w].controls[c];
    var p = page.pictures[id];
    e.width = p.width;
    e.height = p.height;
    e.style.width = cssWidth + 'px';
    e.style.height = cssHeight + 'px';
    e.getContext('2d').drawImage(p, 0, 0);
  },

  pageControlDescribe__deps: ['$page'],
  pageControlDescribe: function (w, c, text) {
    var e = page.windows[w].controls[c];
    e.title = UTF8ToString(text);
    e.setAttribute('aria-label', e.title);
  },

  // The page's storage: the item's length (its text copied, cut to size), -1 when missing, -2
  // when the storage threw.
  pageStorageGet__deps: ['$page'],
  pageStorageGet: function (key, buffer, size) {
    try {
      var value = localStorage.getItem(UTF8ToString(key));
      if (value === null) return -1;
      stringToUTF8(value, buffer, size);
      return lengthBytesUTF8(value);
    } catch (e) {
      page.storageError = e.name || String(e);
      return -2;
    }
  },

  pageStorageSave__deps: ['$page'],
  pageStorageSave: function (key, value) {
    try {
      localStorage.setItem(UTF8ToString(key), UTF8ToString(value));
      return 1;
    } catch (e) {
      page.storageError = e.name || String(e);
      return 0;
    }
  },

  pageStorageError__deps: ['$page'],
  pageStorageError: function (buffer, size) { stringToUTF8(page.storageError, buffer, size); },

  pageTell: function (text) { console.warn(UTF8ToString(text)); },

  // The music: fetched and decoded at its first play, then played from its buffer; a new play
  // replaces the sound that plays. A missing or undecodable file plays nothing.
  pagePlayMusic__deps: ['$page'],
  pagePlayMusic: function (url) {
    var start = function () {
      if (!page.musicWanted || page.musicState !== 2 || !page.audio) return;
      if (page.source) try { page.source.stop(); } catch (e) {}
      page.source = page.audio.createBufferSource();
      page.source.buffer = page.music;
      page.source.connect(page.audio.destination);
      page.source.start();
    };
    page.musicWanted = true;
    if (page.musicState === 0) {
      page.musicState = 1;
      var name = UTF8ToString(url);
      fetch(name).then(function (r) {
        if (!r.ok) throw new Error('HTTP ' + r.status);
        return r.arrayBuffer();
      }).then(function (bytes) {
        if (!page.audio) page.audio = new AudioContext();
        return page.audio.decodeAudioData(bytes);
      }).then(function (buffer) {
        page.music = buffer;
        page.musicState = 2;
        start();
      }).catch(function (e) {
        page.musicState = 3;
        console.warn('zundabar: the music ' + name + ' cannot be played (' + e.message + ')');
      });
    }
    start();
  },

  pageSuspendSound__deps: ['$page'],
  pageSuspendSound: function (suspended) {
    if (!page.audio) return;
    try {
      if (suspended) page.audio.suspend(); else page.audio.resume();
    } catch (e) {}
  },

  // The pads connected now, at most `most`, each as five words at out: its index, 1 for the
  // standard mapping, its pressed buttons as bits (button n as bit n), its axes 0 and 1.
  pagePads__deps: ['$page'],
  pagePads: function (out, most) {
    var pads;
    try {
      pads = navigator.getGamepads();
    } catch (e) {
      if (!page.padsTold) console.warn('zundabar: the page cannot read game pads:', e.message);
      page.padsTold = true;
      return 0;
    }
    var count = 0;
    for (var i = 0; i < pads.length && count < most; ++i) {
      var pad = pads[i];
      if (!pad || !pad.connected) continue;
      var pressed = 0;
      for (var b = 0; b < pad.buttons.length && b < 32; ++b) {
        if (pad.buttons[b].pressed) pressed |= 1 << b;
      }
      var at = (out >> 2) + 5 * count++;
      HEAP32[at] = pad.index;
      HEAP32[at + 1] = pad.mapping === 'standard' ? 1 : 0;
      HEAP32[at + 2] = pressed;
      HEAPF32[at + 3] = pad.axes.length > 0 ? pad.axes[0] : 0;
      HEAPF32[at + 4] = pad.axes.length > 1 ? pad.axes[1] : 0;
    }
    return count;
  },

  pageUnlockSound__deps: ['$page'],
  pageUnlockSound: function () { if (page.unlockSound) page.unlockSound(); },

  // Its OK pressed, the dialog closes and tells of it as when the player presses OK.
  pageCloseMessage__deps: ['$page'],
  pageCloseMessage: function () {
    var d = page.byId('message');
    if (d.open) d.querySelector('button').click();
  },

  pageControlFocus__deps: ['$page'],
  pageControlFocus: function (w, c) { page.windows[w].controls[c].focus(); },

  pageControlClick__deps: ['$page'],
  pageControlClick: function (w, c) { page.windows[w].controls[c].click(); },

  // The value set, then the events of a key's step: the page hears the input as under the keys.
  pageControlStep__deps: ['$page'],
  pageControlStep: function (w, c, value) {
    var e = page.windows[w].controls[c];
    e.value = value;
    e.dispatchEvent(new Event('input', {bubbles: true}));
    e.dispatchEvent(new Event('change', {bubbles: true}));
  },
});
