// The live preview's helpers. They run in the editor's own script world: the page's scripts
// share its elements but cannot see or call these names.
(function () {
  'use strict';
  const mark = 'data-tarnel-at';
  let box = null;

  function markOf(element) {
    const marked = element && element.closest ? element.closest('[' + mark + ']') : null;
    return marked ? Number(marked.getAttribute(mark)) : -1;
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

  window.tarnelPreview = {
    // Brings the shown body in line with `html`, a whole page; false when there is no body
    // to patch (a frameset), so that the page is loaded instead.
    patch(html) {
      const next = new DOMParser().parseFromString(html, 'text/html');
      if (!document.body || !next.body || document.body.tagName !== next.body.tagName)
        return false;
      morphdom(document.body, next.body, {
        // Elements outside the edit keep their marks: matched by them, they stay untouched.
        getNodeKey(node) { return node.getAttribute ? node.getAttribute(mark) : undefined; },
        onBeforeElUpdated(from, to) {
          // Unchanged elements are left alone, so what the user typed or chose in the
          // page's own fields stays.
          if (from.isEqualNode(to))
            return false;
          if (isField(from) && from === document.activeElement)
            return false;
          return true;
        },
      });
      return true;
    },
    // Outlines the element marked `index` (none for -1); true when it is shown.
    show(index) {
      const element = index < 0 ? null : document.querySelector('[' + mark + '="' + index + '"]');
      if (!element || !element.getClientRects().length) {
        if (box)
          box.remove();
        return false;
      }
      showBox(element);
      return true;
    },
    // The mark of the element at a point of the view (of its nearest ancestor matching
    // `selector` when one is given); -1 for none.
    at(x, y, selector) {
      const element = document.elementFromPoint(x, y);
      if (!element)
        return -1;
      return markOf(selector ? element.closest(selector) : element);
    },
    scroll() { return [window.scrollX, window.scrollY]; },
  };
})();
