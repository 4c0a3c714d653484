// The live preview's helpers. They run in the editor's own script world: the page's scripts
// share its elements but cannot see or call these names.
(function () {
  'use strict';
  const mark = 'data-tarnel-at';
  // Which element stands for which start tag of the source. Kept here, never in the page's
  // attributes, so that the page's scripts cannot move a mark to another element: what a
  // double click opens is the element clicked. The page is loaded without marks; the first
  // patch after the load gives them.
  const marks = new WeakMap();
  let marked = false;
  let box = null;
  // The editor's side of the channel, for what the helpers tell it of their own accord.
  let editor = null;
  let unreportedPaint = null; // a frame painted before the channel was open
  if (typeof QWebChannel === 'function' && window.qt && qt.webChannelTransport) {
    new QWebChannel(qt.webChannelTransport, (channel) => {
      editor = channel.objects.tarnel;
      if (unreportedPaint !== null)
        editor.framePainted(unreportedPaint);
    });
  }

  // Tells the editor once the frame showing the change of `round` is painted: the second
  // animation frame after the change starts only when the first one has been drawn.
  function reportPainted(round) {
    requestAnimationFrame(() => requestAnimationFrame(() => {
      if (editor)
        editor.framePainted(round);
      else
        unreportedPaint = round;
    }));
  }
  // The element whose text is being edited in place, and what ends the edit.
  let editing = null;

  function markOf(element) {
    for (let e = element; e; e = e.parentElement) {
      if (marks.has(e))
        return marks.get(e);
    }
    return -1;
  }

  function elementMarked(index) {
    if (!document.body)
      return null;
    const walk = document.createTreeWalker(document.body, NodeFilter.SHOW_ELEMENT);
    for (let e = walk.currentNode; e; e = walk.nextNode()) {
      if (marks.get(e) === index)
        return e;
    }
    return null;
  }

  // Takes the marks off the parsed text into `fresh`, so that none reaches the shown page.
  function takeMarks(root, fresh) {
    for (const e of [root, ...root.querySelectorAll('[' + mark + ']')]) {
      if (e.hasAttribute(mark)) {
        fresh.set(e, Number(e.getAttribute(mark)));
        e.removeAttribute(mark);
      }
    }
  }

  function isField(element) {
    return element.tagName === 'INPUT' || element.tagName === 'TEXTAREA' ||
           element.tagName === 'SELECT';
  }

  function showBox(element) {
    if (!box) {
      box = document.createElement('div');
      box.style.cssText = 'position:absolute;pointer-events:none;z-index:2147483647;' +
                          'outline:2px solid #2f6fde;outline-offset:1px;' +
                          'background:rgba(47,111,222,0.08);margin:0;padding:0;border:0';
    }
    const r = element.getBoundingClientRect();
    box.style.left = (r.left + window.scrollX) + 'px';
    box.style.top = (r.top + window.scrollY) + 'px';
    box.style.width = r.width + 'px';
    box.style.height = r.height + 'px';
    // Outside BODY, so that patching the body never takes it away.
    if (box.parentNode !== document.documentElement)
      document.documentElement.appendChild(box);
    if (r.bottom < 0 || r.top > window.innerHeight)
      element.scrollIntoView({block: 'center'});
  }

  // `from` is shown as `to` stands, without being touched: its elements take the marks of
  // theirs one by one.
  function adoptAll(from, to, fresh) {
    const a = document.createTreeWalker(from, NodeFilter.SHOW_ELEMENT);
    const b = document.createTreeWalker(to, NodeFilter.SHOW_ELEMENT);
    for (let e = a.currentNode, f = b.currentNode; e && f; e = a.nextNode(), f = b.nextNode()) {
      if (fresh.has(f))
        marks.set(e, fresh.get(f));
      else
        marks.delete(e);
    }
  }

  // The live preview stays on the page it shows: a click on a link, an in-page one too, puts
  // the caret on it in the source instead of following it. The page's own click handlers
  // still run.
  document.addEventListener('click', (event) => {
    if (event.target instanceof Element && event.target.closest('a[href], area[href]'))
      event.preventDefault();
  }, true);

  function onlyText(element) {
    return [...element.childNodes].every((n) => n.nodeType === Node.TEXT_NODE);
  }

  // The word of `element`'s text at a point of the view, as a double click selects it; the
  // caret at the point between words, at the end of the text without a point.
  function wordAt(element, x, y) {
    const range = document.createRange();
    const at = x === undefined ? null : document.caretRangeFromPoint(x, y);
    if (!at || at.startContainer.nodeType !== Node.TEXT_NODE ||
        !element.contains(at.startContainer)) {
      range.selectNodeContents(element);
      range.collapse(false);
      return range;
    }
    const text = at.startContainer.data;
    const inWord = (i) => /[\p{L}\p{N}_]/u.test(text.charAt(i));
    let start = at.startOffset, end = at.startOffset;
    while (start > 0 && inWord(start - 1))
      --start;
    while (end < text.length && inWord(end))
      ++end;
    range.setStart(at.startContainer, start);
    range.setEnd(at.startContainer, end);
    return range;
  }

  // Ends the edit in place: `kept` false puts the text back as it was. The editor hears how it
  // ended ('kept', 'cancelled', or 'changed' when something other than the user's typing
  // changed the text meanwhile, such as the page's scripts) and the text the element holds.
  function endEdit(kept) {
    if (!editing)
      return;
    const e = editing;
    editing = null;
    for (const [type, handler] of e.listeners)
      e.element.removeEventListener(type, handler, true);
    e.element.removeAttribute('contenteditable');
    // The browser leaves a line break in an element emptied by editing.
    for (const br of e.element.querySelectorAll('br'))
      br.remove();
    const typedOnly = onlyText(e.element) && e.element.textContent === e.typed;
    const outcome = !kept ? 'cancelled' : typedOnly ? 'kept' : 'changed';
    if (outcome !== 'kept')
      e.element.replaceChildren(...e.children);
    if (document.activeElement === e.element)
      e.element.blur();
    if (editor)
      editor.editEnded(e.mark, outcome, e.element.textContent);
  }

  function editListeners() {
    return [
      // Only the user's own keys end it: a page's script could send an Enter too.
      ['keydown', (event) => {
        if (!event.isTrusted || (event.key !== 'Enter' && event.key !== 'Escape'))
          return;
        event.preventDefault();
        event.stopPropagation();
        endEdit(event.key === 'Enter');
      }],
      ['blur', () => endEdit(true)],
      // What the user typed, as the browser holds it after each key.
      ['input', (event) => {
        if (event.isTrusted && editing)
          editing.typed = editing.element.textContent;
      }],
      // The text stays one run: no paragraphs, no line breaks, no formatting, nothing dropped.
      ['beforeinput', (event) => {
        if (event.inputType.startsWith('format') || event.inputType === 'insertParagraph' ||
            event.inputType === 'insertLineBreak' || event.inputType === 'insertFromDrop')
          event.preventDefault();
      }],
      ['paste', (event) => {
        event.preventDefault();
        const text = event.clipboardData.getData('text/plain').replace(/\s+/g, ' ');
        document.execCommand('insertText', false, text);
      }],
    ];
  }

  window.tarnelPreview = {
    // Brings the shown body in line with `html`, a whole page; false when there is no body
    // to patch (a frameset), so that the page is loaded instead.
    patch(html, round) {
      // The source changed meanwhile (in another window): the edit ends before the page
      // follows, and the editor weighs it against the source as it now is.
      endEdit(true);
      const next = new DOMParser().parseFromString(html, 'text/html');
      if (!document.body || !next.body || document.body.tagName !== next.body.tagName)
        return false;
      const fresh = new Map();
      takeMarks(next.body, fresh);
      const key = (node) => {
        // The first patch meets the loaded elements in order, each keeping its place (and the
        // listeners the page's scripts gave it).
        const m = !marked ? undefined : fresh.has(node) ? fresh.get(node) : marks.get(node);
        return m === undefined ? undefined : String(m);
      };
      morphdom(document.body, next.body, {
        // Elements outside the edit keep their marks: matched by them, they stay untouched.
        getNodeKey: key,
        onNodeAdded(node) {
          if (fresh.has(node))
            marks.set(node, fresh.get(node));
        },
        onBeforeElUpdated(from, to) {
          if (fresh.has(to))
            marks.set(from, fresh.get(to));
          else
            marks.delete(from);
          // Unchanged elements are left alone, so what the user typed or chose in the
          // page's own fields stays.
          if (from.isEqualNode(to)) {
            adoptAll(from, to, fresh);
            return false;
          }
          if (isField(from) && from === document.activeElement)
            return false;
          return true;
        },
      });
      marked = true;
      reportPainted(round);
      return true;
    },
    // Gives the page just loaded the marks of `html`, the same page marked, without changing
    // a thing in it: what its scripts built or changed at load stays. Elements are matched
    // in document order by name; those the scripts added are passed over.
    adopt(html, round) {
      const next = new DOMParser().parseFromString(html, 'text/html');
      if (!document.body || !next.body)
        return false;
      const fresh = new Map();
      takeMarks(next.body, fresh);
      const shown = document.createTreeWalker(document.body, NodeFilter.SHOW_ELEMENT);
      const source = document.createTreeWalker(next.body, NodeFilter.SHOW_ELEMENT);
      let e = shown.currentNode;
      for (let f = source.currentNode; f && e; f = source.nextNode()) {
        while (e && e.tagName !== f.tagName)
          e = shown.nextNode();
        if (!e)
          break;
        if (fresh.has(f))
          marks.set(e, fresh.get(f));
        e = shown.nextNode();
      }
      marked = true;
      reportPainted(round);
      return true;
    },
    // Outlines the element marked `index` (none for -1); true when it is shown.
    show(index) {
      const element = index < 0 ? null : elementMarked(index);
      if (!element || !element.getClientRects().length) {
        if (box)
          box.remove();
        return false;
      }
      showBox(element);
      return true;
    },
    // The mark of the element at a point of the view; -1 for none.
    at(x, y) {
      const element = document.elementFromPoint(x, y);
      return element ? markOf(element) : -1;
    },
    // What a double click at a point of the view is on: [mark, true] for the picture, link or
    // applet it is in (its form opens), [mark, false] for any other element (its text is
    // edited in place); [-1, false] for none.
    doubleClicked(x, y) {
      const element = document.elementFromPoint(x, y);
      if (!element)
        return [-1, false];
      const form = element.closest('img, a, applet');
      return form ? [markOf(form), true] : [markOf(element), false];
    },
    // Makes the text of the element marked `index` editable where it is shown, when it holds
    // exactly `expected` (the source's text of it) and nothing but text: 'editing', else
    // 'changed' (the page's scripts changed it) or 'gone'. With a point (a double click) the
    // word there is selected, as a browser does, so that typing replaces it; otherwise the
    // caret goes to the end of the text.
    edit(index, expected, x, y) {
      endEdit(true);
      const element = elementMarked(index);
      if (!element)
        return 'gone';
      if (!onlyText(element) || element.textContent !== expected)
        return 'changed';
      if (!editor)
        return 'not ready'; // the end of the edit could not be told
      editing = {element, mark: index, children: [...element.childNodes].map((n) => n.cloneNode()),
                 listeners: editListeners(), typed: expected};
      for (const [type, handler] of editing.listeners)
        element.addEventListener(type, handler, true);
      // Not 'plaintext-only': the browser would then show the source's line breaks and blanks
      // as they are, and the text would move under the pointer. A space typed where it would
      // not show comes as a no-break space, written as a plain one.
      element.setAttribute('contenteditable', 'true');
      element.focus();
      const selection = getSelection();
      selection.removeAllRanges();
      selection.addRange(wordAt(element, x, y));
      return 'editing';
    },
    endEdit(kept) { endEdit(kept); },
    scroll() { return [window.scrollX, window.scrollY]; },
    // Fetches again the style sheets the page links whose file is named `name`, in place;
    // false when it links none (one reached by @import only: the page is loaded again).
    refreshStyleSheet(name) {
      let found = false;
      for (const link of document.querySelectorAll('link[rel~="stylesheet" i][href]')) {
        const url = new URL(link.href, document.baseURI);
        if (decodeURIComponent(url.pathname.split('/').pop()) !== name)
          continue;
        url.searchParams.set('tarnel-reload', String(Date.now()));
        link.href = url.href;
        found = true;
      }
      return found;
    },
  };
})();
