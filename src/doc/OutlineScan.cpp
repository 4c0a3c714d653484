#include "OutlineScan.h"

#include "TarnelDoc.h"

using namespace tarnel;

COutlineScan::COutlineScan(CTarnelDoc *document)
    : QObject(document)
    , m_document(document)
{
    m_pause.setSingleShot(true);
    m_pause.setInterval(300);
    connect(&m_pause, &QTimer::timeout, this, [this] {
        if (!m_entriesKept || m_changeUnjudged)
            rescan(false);
    });
    connect(document, &CTarnelDoc::aboutToChange, this, [this] {
        m_changeUnjudged = true;
        m_pause.start();
    });
    connect(document, &CTarnelDoc::changed, this, &COutlineScan::textChanged);
    // A whole new text is shown at once.
    connect(document, &CTarnelDoc::reloaded, this, [this] { rescan(false); });
}

void COutlineScan::textChanged(const TextChange &change)
{
    m_changeUnjudged = false;
    if (!m_document->leftTagsAlone(change) || !m_shown.UnchangedByEditAt(change.position))
        m_entriesKept = false;
}

void COutlineScan::rescan(bool resendAll)
{
    m_pause.stop();
    m_entriesKept = true;
    m_changeUnjudged = false;
    bool told = false;
    // The news goes out while the text is read: none of its receivers changes the text.
    RescanOutline(m_document->textView(), m_shown, resendAll,
                  [this, &told](Hint hint, const ElementRecord *record) {
                      m_shown.Apply(hint, record);
                      for (const OutlineCategory category : OutlineCategories) {
                          if (hint == AddHintFor(category) && record)
                              emit m_document->elementAdded(category, *record);
                          else if (hint == ClearHintFor(category))
                              emit m_document->categoryCleared(category);
                      }
                      told = true;
                  });
    if (told)
        emit m_document->elementsChanged();
}
