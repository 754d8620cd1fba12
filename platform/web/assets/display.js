// The browser display's page: follows the window tree that the host serves
// (api/state, long polled) and draws it, and sends every tap, key and
// gesture of the person back as one action (api/input), one at a time and
// in order. The page keeps no state of its own beyond what it draws: every
// change shows because the windows changed.
'use strict';

(() => {
  const query = new URLSearchParams(location.search);
  const token = query.get('token') || '';
  const scale = Math.min(Math.max(Number(query.get('scale')) || 2, 1), 4);
  const screenElement = document.getElementById('screen');
  const frameElement = document.getElementById('frame');
  const keys = document.getElementById('keys');
  const statusElement = document.getElementById('status');
  const kScrollBarWidth = 13;
  const kCaptionHeight = 20;

  let version = 0;
  let beepsHeard = null;
  let focusId = 0;
  let popup = null;

  const apiUrl = (path, params = {}) => `${path}?${new URLSearchParams({ ...params, token })}`;
  const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

  // ---- sending the person's actions ----
  const outbox = [];
  let sending = false;

  function updatePending() {
    document.body.dataset.pending = String(outbox.length + (sending ? 1 : 0));
  }

  function send(action) {
    outbox.push(action);
    updatePending();
    if (!sending) drain();
  }

  async function drain() {
    sending = true;
    while (outbox.length) {
      const action = outbox.shift();
      updatePending();
      try {
        const response = await fetch(apiUrl('api/input'), {
          method: 'POST',
          headers: { 'Content-Type': 'application/x-www-form-urlencoded' },
          body: new URLSearchParams(action),
        });
        if (!response.ok && response.status !== 410) showStatus(`refused: ${(await response.text()).trim()}`);
      } catch (error) {
        showStatus('the host does not answer');
      }
    }
    sending = false;
    updatePending();
  }

  // ---- following the windows ----
  async function follow() {
    for (;;) {
      let response;
      try {
        response = await fetch(apiUrl('api/state', { since: version }));
      } catch (error) {
        showCover('unreachable', 'The host does not answer.');
        await sleep(1000);
        continue;
      }
      if (response.status === 503) return showCover('ended', 'The host has ended.');
      if (!response.ok) {
        showStatus(`the host refused: ${response.status}`);
        await sleep(1000);
        continue;
      }
      const state = await response.json();
      if (state.unchanged) {
        await sleep(50);
        continue;
      }
      version = state.version;
      try {
        render(state);
      } catch (error) {
        showStatus(`cannot draw the screen: ${error.message}`);
      }
    }
  }

  function showStatus(text) {
    statusElement.textContent = text;
  }

  // Covers the screen when the host has ended or cannot be reached; the next drawing removes it.
  function showCover(hostState, text) {
    if (document.body.dataset.host === hostState) return;
    document.body.dataset.host = hostState;
    const cover = element('div', 'ended');
    cover.textContent = text;
    screenElement.append(cover);
    showStatus(text);
  }

  // ---- sound ----
  let audio = null;
  function beep() {
    screenElement.classList.add('beeping');
    setTimeout(() => screenElement.classList.remove('beeping'), 150);
    try {
      audio = audio || new AudioContext();
      const tone = audio.createOscillator();
      const volume = audio.createGain();
      tone.frequency.value = 1760;
      volume.gain.value = 0.08;
      tone.connect(volume).connect(audio.destination);
      tone.start();
      tone.stop(audio.currentTime + 0.08);
    } catch (error) {
      // no sound device: the flash is enough
    }
  }

  // ---- drawing ----
  function element(tag, className, parent) {
    const made = document.createElement(tag);
    if (className) made.className = className;
    if (parent) parent.append(made);
    return made;
  }

  function place(target, [x, y, width, height]) {
    target.style.left = `${x}px`;
    target.style.top = `${y}px`;
    target.style.width = `${width}px`;
    target.style.height = `${height}px`;
  }

  // "&x" marks a mnemonic, "&&" is an ampersand.
  const withoutPrefix = (text) => text.replace(/&(&?)/g, '$1');

  // Client pixel of an event within an element that shows `width` pixels.
  function pixelOf(event, target, width, height) {
    const box = target.getBoundingClientRect();
    const factor = box.width / Math.max(width, 1);
    const x = Math.round((event.clientX - box.left) / factor);
    const y = Math.round((event.clientY - box.top) / factor);
    return { x: Math.min(Math.max(x, 0), Math.max(width - 1, 0)), y: Math.min(Math.max(y, 0), Math.max(height - 1, 0)) };
  }

  function onTap(target, win, clientElement) {
    target.addEventListener('click', (event) => {
      event.stopPropagation();
      const { x, y } = pixelOf(event, clientElement, win.client[2], win.client[3]);
      send({ kind: 'tap', window: win.id, x, y });
    });
  }

  // Every window's id in the state.
  function windowIds(windows, ids = new Set()) {
    for (const win of windows) {
      ids.add(win.id);
      windowIds(win.children, ids);
    }
    return ids;
  }

  function render(state) {
    if (popup && !windowIds(state.windows).has(Number(popup.dataset.popupFor))) closePopup();
    focusId = state.focus;
    const { width, height } = state.screen;
    screenElement.style.width = `${width}px`;
    screenElement.style.height = `${height}px`;
    frameElement.style.width = `${width}px`;
    frameElement.style.height = `${height}px`;
    document.documentElement.style.setProperty('--scale', String(scale));
    document.getElementById('display').style.minHeight = `${height * scale + 60}px`;
    document.getElementById('display').style.paddingRight = `${width * (scale - 1)}px`;
    screenElement.dataset.cursor = state.cursor;
    screenElement.dataset.screenWidth = String(width);
    screenElement.dataset.screenHeight = String(height);
    document.body.dataset.host = 'running';
    document.body.dataset.version = String(state.version);
    document.body.dataset.beeps = String(state.beeps);
    document.body.dataset.boxes = String(state.boxes);
    if (beepsHeard !== null && state.beeps > beepsHeard) beep();
    beepsHeard = state.beeps;

    const overlay = element('div', 'overlay');
    const windows = state.windows.map((win) => drawWindow(win, { x: 0, y: 0 }, overlay, false));
    if (state.cursor === 'wait') {
      const mark = element('div', 'wait-mark', overlay);
      mark.textContent = '⌛';
    }
    screenElement.replaceChildren(...windows, overlay);
    showStatus(`${width} × ${height}`);
  }

  // Draws a window at its place; origin is the screen position of the parent's client area.
  function drawWindow(win, origin, overlay, isChild) {
    const box = element('div', `win kind-${win.kind}`);
    box.dataset.id = String(win.id);
    box.dataset.kind = win.kind;
    box.dataset.className = win.className;
    box.dataset.text = win.text;
    if (win.ctrlId) box.dataset.ctrlId = String(win.ctrlId);
    if (isChild) box.classList.add('child');
    if (!win.enabled) box.classList.add('disabled');
    if (win.id === focusId) box.classList.add('focused');
    if (win.border === 0) box.classList.add('borderless');
    if (win.maximized) box.dataset.maximized = '1';
    place(box, win.rect);

    const client = element('div', 'client', box);
    place(client, win.client);
    if (win.colors) {
      if (win.colors.background) client.style.background = win.colors.background;
      client.style.color = win.colors.text;
    }
    if (win.caption) drawCaption(win, box);
    if (win.vscroll && win.kind !== 'listview') drawScrollBar(win, box, win.client, win.vscroll);

    const clientOrigin = { x: origin.x + win.rect[0] + win.client[0], y: origin.y + win.rect[1] + win.client[1] };
    const draw = kinds[win.kind] || drawPlain;
    draw(win, box, client, { origin: clientOrigin, overlay });
    for (const child of win.children) client.append(drawWindow(child, clientOrigin, overlay, true));
    return box;
  }

  function drawCaption(win, box) {
    const bar = element('div', 'caption', box);
    const width = win.client[2] + (win.vscroll ? kScrollBarWidth : 0);
    place(bar, [win.border, win.client[1] - kCaptionHeight, width, kCaptionHeight]);
    const title = element('span', 'title', bar);
    title.textContent = win.text;
    if (win.caption.ok) captionButton(bar, 'ok', 'OK', win, 'caption-ok');
    if (win.caption.close) captionButton(bar, 'close', '×', win, 'close');
  }

  function captionButton(bar, name, label, win, kind) {
    const button = element('span', `box ${name}`, bar);
    button.dataset.part = name;
    button.textContent = label;
    button.addEventListener('click', (event) => {
      event.stopPropagation();
      send({ kind, window: win.id });
    });
  }

  // A vertical scroll bar at the right of area: arrows, page areas and the thumb.
  function drawScrollBar(win, parent, area, info) {
    const bar = element('div', 'vscroll', parent);
    bar.dataset.part = 'vscroll';
    bar.dataset.pos = String(info.pos);
    const [x, y, width, height] = area;
    place(bar, [x + width, y, kScrollBarWidth, height]);
    const scroll = (code) => (event) => {
      event.stopPropagation();
      send({ kind: 'scroll', window: win.id, code });
    };
    const up = element('div', 'arrow up', bar);
    up.textContent = '▲';
    up.style.top = '0';
    up.addEventListener('click', scroll('up'));
    const down = element('div', 'arrow down', bar);
    down.textContent = '▼';
    down.style.top = `${height - kScrollBarWidth}px`;
    down.addEventListener('click', scroll('down'));
    const track = height - 2 * kScrollBarWidth;
    const range = Math.max(info.max - info.min + 1, 1);
    // a bar without a page size has the standard square thumb, as the platform's
    const thumbHeight = info.page > 0
      ? Math.max(Math.round((track * Math.min(info.page, range)) / range), 6)
      : Math.min(kScrollBarWidth, track);
    const travel = Math.max(range - Math.max(info.page, 1), 1);
    const thumbTop = kScrollBarWidth + Math.round(((track - thumbHeight) * (info.pos - info.min)) / travel);
    const thumb = element('div', 'thumb', bar);
    thumb.style.top = `${thumbTop}px`;
    thumb.style.height = `${thumbHeight}px`;
    bar.addEventListener('click', (event) => {
      const { y: at } = pixelOf(event, bar, kScrollBarWidth, height);
      scroll(at < thumbTop ? 'page-up' : 'page-down')(event);
    });
    parent.addEventListener('wheel', (event) => {
      event.preventDefault();
      scroll(event.deltaY < 0 ? 'up' : 'down')(event);
    });
  }

  function drawPlain(win, box, client) {
    onTap(client, win, client);
  }

  function picture(win, image, className = 'picture') {
    const shown = element('img', className);
    shown.alt = '';
    shown.draggable = false;
    shown.src = apiUrl('api/image', { window: win.id, name: image.name, key: image.key });
    return shown;
  }

  function systemIcon(name) {
    const marks = { hand: ['#c00000', '✕'], question: ['#0050c0', '?'], exclamation: ['#e0b000', '!'], asterisk: ['#0050c0', 'i'] };
    const [colour, mark] = marks[name] || ['#808080', '?'];
    const svg = document.createElementNS('http://www.w3.org/2000/svg', 'svg');
    svg.setAttribute('class', 'sysicon');
    svg.setAttribute('viewBox', '0 0 32 32');
    svg.dataset.icon = name;
    const disc = document.createElementNS(svg.namespaceURI, name === 'exclamation' ? 'polygon' : 'circle');
    if (name === 'exclamation') disc.setAttribute('points', '16,2 31,30 1,30');
    else {
      disc.setAttribute('cx', '16');
      disc.setAttribute('cy', '16');
      disc.setAttribute('r', '14');
    }
    disc.setAttribute('fill', colour);
    const text = document.createElementNS(svg.namespaceURI, 'text');
    text.setAttribute('x', '16');
    text.setAttribute('y', name === 'exclamation' ? '27' : '22');
    text.setAttribute('text-anchor', 'middle');
    text.setAttribute('font-size', '17');
    text.setAttribute('font-weight', 'bold');
    text.setAttribute('fill', name === 'exclamation' ? '#000' : '#fff');
    text.textContent = mark;
    svg.append(disc, text);
    return svg;
  }

  const kinds = {
    dialog(win, box, client) {
      if (win.messageBox) box.dataset.messageBox = win.messageBox.icon;
      onTap(client, win, client);
    },

    button(win, box, client) {
      const label = withoutPrefix(win.text);
      if (win.style === 'group') {
        // a group box paints only its frame and label: the controls inside it show through
        box.classList.add('group-box');
        client.style.background = 'transparent';
        const group = element('div', 'group', client);
        const legend = element('span', 'legend', group);
        legend.textContent = label;
        legend.style.background = (win.colors && win.colors.background) || 'var(--face)';
        return;
      }
      if (win.style === 'check' || win.style === 'radio') {
        const row = element('div', `check ${win.style}`, client);
        const mark = element('span', 'mark', row);
        mark.textContent = win.checked === 1 ? (win.style === 'radio' ? '●' : '✓') : win.checked === 2 ? '■' : '';
        const text = element('span', 'label', row);
        text.textContent = label;
        box.dataset.checked = String(win.checked);
      } else {
        const face = element('div', 'push', client);
        face.classList.toggle('default', win.style === 'default');
        face.classList.toggle('pressed', win.pressed);
        face.classList.toggle('multiline', win.multiline);
        face.textContent = label;
        if (win.colors && win.colors.background) face.style.background = win.colors.background;
      }
      onTap(client, win, client);
    },

    static(win, box, client) {
      if (win.style === 'icon') {
        if (win.icon) client.append(systemIcon(win.icon));
        else if (win.image) client.append(picture(win, win.image));
      } else if (win.style === 'bitmap') {
        if (win.image) client.append(picture(win, win.image));
      } else if (win.style === 'rect') {
        element('div', 'rect-gray', client);
      } else if (win.style === 'frame') {
        element('div', 'frame-line', client);
      } else {
        const text = element('div', `text ${win.align}`, client);
        text.textContent = win.noPrefix ? win.text : withoutPrefix(win.text);
        if (!win.notify) {
          // a label without SS_NOTIFY lets taps through to what lies below it, as on the device,
          // and shows it: a check box placed over a label's blank part stays usable
          box.classList.add('see-through');
          client.style.background = 'transparent';
        }
      }
      onTap(client, win, client);
    },

    edit(win, box, client) {
      const field = element('div', `field ${win.align}${win.multiline ? ' multiline' : ''}`, client);
      if (win.readonly) box.classList.add('readonly');
      if (win.colors && win.colors.background) field.style.background = win.colors.background;
      const shown = win.password ? '●'.repeat([...win.text].length) : win.text;
      const [start, end] = win.selection;
      if (win.id === focusId) {
        field.append(shown.slice(0, start));
        if (end > start) element('span', 'selected', field).textContent = shown.slice(start, end);
        element('span', 'caret', field);
        field.append(shown.slice(end));
      } else {
        field.textContent = shown;
      }
      onTap(client, win, client);
    },

    combobox(win, box, client, context) {
      // the field spans the whole window: the client area leaves room for the dropped list's scroll bar
      const field = element('div', `field combo-field ${win.style}`, box);
      field.style.padding = '0';
      if (win.colors && win.colors.background) field.style.background = win.colors.background;
      const value = element('span', 'value', field);
      value.textContent = win.text;
      if (win.style !== 'simple') element('span', 'arrow', field).textContent = '▼';
      box.dataset.selected = String(win.selected);
      box.dataset.dropped = win.dropped ? '1' : '0';
      field.addEventListener('click', (event) => {
        event.stopPropagation();
        const { x, y } = pixelOf(event, box, win.rect[2], win.rect[3]);
        send({ kind: 'tap', window: win.id, x: Math.max(x - win.client[0], 0), y: Math.max(y - win.client[1], 0) });
      });
      if (win.dropped && win.list) drawDroppedList(win, context);
    },

    listview(win, box, client) {
      const list = element('div', `list${win.gridLines ? ' grid' : ''}`, client);
      const widths = win.columns.length ? win.columns.map((column) => column.width) : [win.client[2]];
      if (win.header) {
        const header = element('div', 'header', list);
        header.style.height = `${win.headerHeight}px`;
        win.columns.forEach((column, index) => {
          const cell = element('div', 'column', header);
          cell.style.width = `${column.width}px`;
          cell.style.height = `${win.headerHeight}px`;
          cell.textContent = column.text;
          cell.dataset.column = String(index);
        });
        onTap(header, win, client);
      }
      const selected = new Set(win.selected);
      const visibleRows = Math.max(win.perPage, 0) + 1;
      for (let index = win.top; index < Math.min(win.rows.length, win.top + visibleRows); index += 1) {
        const row = element('div', 'row', list);
        row.dataset.row = String(index);
        row.style.top = `${win.headerHeight + (index - win.top) * win.rowHeight}px`;
        row.style.height = `${win.rowHeight}px`;
        if (selected.has(index)) row.classList.add('selected');
        if (selected.has(index) && win.id !== focusId) row.classList.add('dim');
        if (index === win.focusedRow && win.id === focusId) row.classList.add('focus-row');
        win.rows[index].forEach((text, column) => {
          const cell = element('div', 'cell', row);
          cell.style.width = `${widths[column] || 0}px`;
          cell.textContent = text;
        });
        row.addEventListener('click', (event) => {
          event.stopPropagation();
          send({ kind: 'choose', window: win.id, index });
        });
        row.addEventListener('dblclick', (event) => {
          event.stopPropagation();
          send({ kind: 'activate', window: win.id, index });
        });
      }
      box.dataset.rows = String(win.rows.length);
      box.dataset.selected = win.selected.join(',');
      list.addEventListener('click', (event) => event.stopPropagation());
      if (win.vscroll) {
        drawScrollBar(win, client, [0, 0, win.client[2] - kScrollBarWidth, win.client[3]], win.vscroll);
      } else {
        client.addEventListener('wheel', (event) => {
          event.preventDefault();
          event.stopPropagation();
        });
      }
    },

    tab(win, box, client) {
      win.items.forEach((item, index) => {
        const tab = element('div', `tab${index === win.selected ? ' selected' : ''}`, client);
        tab.dataset.tab = String(index);
        place(tab, item.rect);
        tab.textContent = withoutPrefix(item.text);
        tab.addEventListener('click', (event) => {
          event.stopPropagation();
          send({ kind: 'choose', window: win.id, index });
        });
      });
      box.dataset.selected = String(win.selected);
    },

    datetime(win, box, client, context) {
      const field = element('div', `field date${win.checked ? '' : ' unset'}`, client);
      if (win.colors && win.colors.background) field.style.background = win.colors.background;
      if (win.noneBox) {
        const check = element('span', 'none-box', field);
        check.dataset.part = 'none-box';
        check.textContent = win.checked ? '✓' : '';
        check.addEventListener('click', (event) => {
          event.stopPropagation();
          send({ kind: 'check-date', window: win.id, checked: win.checked ? 0 : 1 });
        });
      }
      const value = element('span', 'value', field);
      value.textContent = win.text;
      if (!win.noneBox) value.style.left = '2px';
      element('span', 'arrow', field).textContent = '▼';
      box.dataset.checked = win.checked ? '1' : '0';
      box.dataset.date = win.date === null ? '' : String(win.date);
      field.addEventListener('click', (event) => {
        event.stopPropagation();
        const { x, y } = pixelOf(event, client, win.client[2], win.client[3]);
        send({ kind: 'tap', window: win.id, x, y });
        openDatePopup(win, context);
      });
    },

    progress(win, box, client) {
      const frame = element('div', 'progress', client);
      const bar = element('div', 'bar', frame);
      const span = Math.max(win.max - win.min, 1);
      const share = Math.min(Math.max((win.pos - win.min) / span, 0), 1);
      bar.style.width = `${Math.round(share * (win.client[2] - 2))}px`;
      box.dataset.pos = String(win.pos);
    },

    toolbar(win, box, client) {
      for (const button of win.buttons) {
        if (!button.rect) continue;
        const tool = element('div', 'tool', client);
        tool.dataset.command = String(button.command);
        place(tool, button.rect);
        if (button.separator) {
          tool.classList.add('separator');
          continue;
        }
        if (!button.enabled) tool.classList.add('off');
        if (button.checked) tool.classList.add('checked');
        if (button.pressed) tool.classList.add('pressed');
        if (button.image) tool.append(picture(win, button.image, 'tool-image'));
        tool.addEventListener('click', (event) => {
          event.stopPropagation();
          if (button.enabled) send({ kind: 'choose', window: win.id, index: button.index });
        });
      }
    },

    map(win, box, client) {
      drawMap(win, client);
    },
  };

  function drawDroppedList(win, context) {
    const [x, y, width, height] = win.list;
    const list = element('div', 'droplist', context.overlay);
    list.dataset.listOf = String(win.id);
    const screenX = context.origin.x - win.client[0] + x;
    const screenY = context.origin.y - win.client[1] + y;
    place(list, [screenX, screenY, width, height]);
    win.items.forEach((text, index) => {
      const item = element('div', `item${index === win.selected ? ' selected' : ''}`, list);
      item.dataset.item = String(index);
      item.textContent = text;
      item.addEventListener('click', (event) => {
        event.stopPropagation();
        send({ kind: 'choose', window: win.id, index });
      });
    });
  }

  // ---- the date popup: the page's own picker for a date picker ----
  function closePopup() {
    if (popup) popup.remove();
    popup = null;
  }

  function openDatePopup(win, context) {
    closePopup();
    popup = element('div', 'popup', frameElement);
    popup.dataset.popupFor = String(win.id);
    popup.style.left = `${Math.max(context.origin.x - 40, 0)}px`;
    popup.style.top = `${context.origin.y + win.client[3]}px`;
    const input = element('input', '', popup);
    input.type = 'date';
    const date = String(win.date || '');
    if (date.length === 8) input.value = `${date.slice(0, 4)}-${date.slice(4, 6)}-${date.slice(6, 8)}`;
    const buttons = element('div', 'buttons', popup);
    const ok = element('button', '', buttons);
    ok.textContent = 'OK';
    const cancel = element('button', '', buttons);
    cancel.textContent = 'キャンセル';
    ok.addEventListener('click', (event) => {
      event.stopPropagation();
      const chosen = input.value.replaceAll('-', '');
      if (/^\d{8}$/.test(chosen)) send({ kind: 'set-date', window: win.id, date: chosen });
      closePopup();
      keys.focus();
    });
    cancel.addEventListener('click', (event) => {
      event.stopPropagation();
      closePopup();
      keys.focus();
    });
    popup.addEventListener('click', (event) => event.stopPropagation());
    input.focus();
  }

  // ---- the host's map ----
  const kSvg = 'http://www.w3.org/2000/svg';
  const kPickRadius = 8;

  function svgElement(tag, attributes, parent) {
    const made = document.createElementNS(kSvg, tag);
    for (const [name, value] of Object.entries(attributes)) made.setAttribute(name, String(value));
    if (parent) parent.append(made);
    return made;
  }

  function pointShape(point, parent) {
    const { px: x, py: y, colour, filled, shape } = point;
    const paint = { stroke: colour, 'stroke-width': 1.5, fill: filled ? colour : 'none' };
    if (shape === 'triangle') svgElement('polygon', { points: `${x},${y - 5} ${x + 5},${y + 4} ${x - 5},${y + 4}`, ...paint }, parent);
    else if (shape === 'square') svgElement('rect', { x: x - 4, y: y - 4, width: 8, height: 8, ...paint }, parent);
    else if (shape === 'circle') svgElement('circle', { cx: x, cy: y, r: 4, ...paint }, parent);
    else if (shape === 'cross') {
      svgElement('line', { x1: x - 4, y1: y - 4, x2: x + 4, y2: y + 4, stroke: colour, 'stroke-width': 1.5 }, parent);
      svgElement('line', { x1: x - 4, y1: y + 4, x2: x + 4, y2: y - 4, stroke: colour, 'stroke-width': 1.5 }, parent);
    } else svgElement('circle', { cx: x, cy: y, r: 2, fill: colour }, parent);
  }

  function drawMap(win, client) {
    const map = win.map;
    const [, , width, height] = win.client;
    const area = element('div', 'map', client);
    area.dataset.part = 'map';
    area.dataset.centre = map.centre.join(',');
    area.dataset.scale = String(map.scale);
    area.dataset.selection = map.points.filter((point) => point.selected).map((point) => point.id).join(',');
    if (map.background) {
      const image = element('img', 'background', area);
      image.alt = '';
      image.draggable = false;
      image.src = apiUrl('api/image', { window: win.id, name: 'background', key: map.background.key });
      image.style.transform = `translate(${map.background.left}px, ${map.background.top}px) scale(${map.background.scaleX}, ${map.background.scaleY})`;
    }
    const svg = svgElement('svg', { width, height, viewBox: `0 0 ${width} ${height}` }, area);
    const cx = Math.floor(width / 2);
    const cy = Math.floor(height / 2);
    svgElement('line', { x1: cx - 6, y1: cy, x2: cx + 6, y2: cy, stroke: '#7a7a7a', 'stroke-width': 1 }, svg);
    svgElement('line', { x1: cx, y1: cy - 6, x2: cx, y2: cy + 6, stroke: '#7a7a7a', 'stroke-width': 1 }, svg);
    for (const point of map.points) {
      const group = svgElement('g', { 'data-point': point.id, 'data-number': point.number, 'data-class': point.classCode, 'data-state': point.stateCode }, svg);
      // the pick radius of the map's taps, centred on the point
      svgElement('circle', { cx: point.px, cy: point.py, r: kPickRadius, fill: 'transparent' }, group);
      if (point.selected) svgElement('circle', { cx: point.px, cy: point.py, r: 8, fill: 'none', stroke: map.selectionColour, 'stroke-width': 2.5 }, group);
      pointShape(point, group);
      const label = svgElement('text', { x: point.px + 6, y: point.py - 5, 'font-size': 9, fill: '#202020' }, group);
      label.textContent = String(point.number);
    }
    if (map.tap) {
      const [tx, ty] = map.tap;
      svgElement('circle', { cx: tx, cy: ty, r: 3, fill: 'none', stroke: '#c000c0', 'stroke-width': 1.5 }, svg);
    }
    const zoom = element('div', 'zoom', area);
    for (const [label, kind] of [['+', 'zoom-in'], ['−', 'zoom-out']]) {
      const button = element('div', 'box', zoom);
      button.dataset.part = kind;
      button.textContent = label;
      button.addEventListener('pointerdown', (event) => event.stopPropagation());
      button.addEventListener('click', (event) => {
        event.stopPropagation();
        send({ kind, window: win.id });
      });
    }
    area.addEventListener('pointerdown', (event) => startMapGesture(event, win, area));
    area.addEventListener('click', (event) => event.stopPropagation());
    area.addEventListener('wheel', (event) => {
      event.preventDefault();
      event.stopPropagation();
      send({ kind: event.deltaY < 0 ? 'zoom-in' : 'zoom-out', window: win.id });
    });
  }

  // A short press is a tap; a drag pans the map by the distance dragged.
  function startMapGesture(event, win, area) {
    if (event.button !== 0) return;
    const [, , width, height] = win.client;
    const start = pixelOf(event, area, width, height);
    const startScreen = { x: event.clientX, y: event.clientY };
    const factor = area.getBoundingClientRect().width / Math.max(width, 1);
    const finish = (up) => {
      window.removeEventListener('pointerup', finish);
      const dx = Math.round((up.clientX - startScreen.x) / factor);
      const dy = Math.round((up.clientY - startScreen.y) / factor);
      if (Math.abs(dx) + Math.abs(dy) < 4) send({ kind: 'tap', window: win.id, x: start.x, y: start.y });
      else send({ kind: 'pan', window: win.id, dx, dy });
    };
    window.addEventListener('pointerup', finish);
  }

  // ---- keys ----
  const keyNames = {
    Enter: 'Enter', Escape: 'Escape', Tab: 'Tab', Backspace: 'Backspace', Delete: 'Delete', ArrowLeft: 'Left',
    ArrowRight: 'Right', ArrowUp: 'Up', ArrowDown: 'Down', Home: 'Home', End: 'End', F4: 'F4',
  };

  function flushTyping() {
    const text = keys.value.replace(/[\u0000-\u001f\u007f]/g, '');
    keys.value = '';
    for (let at = 0; at < text.length; at += 200) send({ kind: 'text', text: text.slice(at, at + 200) });
  }

  // The space bar presses a focused button or box; elsewhere it types a blank.
  function focusedIsButton() {
    const focused = screenElement.querySelector('.win.focused');
    return focused !== null && focused.dataset.kind === 'button';
  }

  keys.addEventListener('keydown', (event) => {
    if (event.isComposing) return;
    const name = event.key === ' ' && focusedIsButton() ? 'Space' : keyNames[event.key];
    if (!name) return;
    event.preventDefault();
    send({ kind: 'key', name, shift: event.shiftKey ? 1 : 0 });
  });
  keys.addEventListener('input', (event) => {
    if (!event.isComposing) flushTyping();
  });
  keys.addEventListener('compositionend', flushTyping);
  // The keyboard stays with the page's key field, whatever is tapped.
  document.addEventListener('mousedown', (event) => {
    if (popup && popup.contains(event.target)) return;
    event.preventDefault();
    keys.focus();
  });

  keys.focus();
  follow();
})();
