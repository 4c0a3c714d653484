#include "OutlineScan.h"

#include "TarnelDoc.h"

using namespace tarnel;

namespace {
// A page from this size on is read for its outline on a second thread (about 4 ms a
// megabyte here): a smaller one is read sooner than a thread is started and told.
constexpr std::size_t readAsideFrom = 4 << 20;
} // namespace

COutlineScan::COutlineScan(CTarnelDoc *document)
    : QObject(document)
    , m_document(document)
{
    m_pause.setSingleShot(true);
    m_pause.setInterval(300);
    connect(&m_pause, &QTimer::timeout, this, [this] {
        if (!m_entriesKept || m_changeUnjudged)
            rescanSoon(false);
    });
    connect(document, &CTarnelDoc::aboutToChange, this, [this] {
        finishReading();
        m_changeUnjudged = true;
        m_pause.start();
    });
    connect(document, &CTarnelDoc::changed, this, &COutlineScan::textChanged);
    // A whole new text is shown at once.
    connect(document, &CTarnelDoc::reloaded, this, [this] { rescanSoon(false); });
}

COutlineScan::~COutlineScan()
{
    if (m_reading.valid())
        m_reading.wait();
}

void COutlineScan::textChanged(const TextChange &change)
{
    m_changeUnjudged = false;
    if (!m_document->leftTagsAlone(change) || !m_shown.UnchangedByEditAt(change.position))
        m_entriesKept = false;
}

void COutlineScan::rescan(bool resendAll)
{
    finishReading();
    m_pause.stop();
    m_entriesKept = true;
    m_changeUnjudged = false;
    bool told = false;
    // The news goes out while the text is read: none of its receivers changes the text.
    RescanOutline(m_document->textView(), m_shown, resendAll,
                  [this, &told](Hint hint, const ElementRecord *record) {
                      m_shown.Apply(hint, record);
                      tell(hint, record);
                      told = true;
                  });
    if (told)
        emit m_document->elementsChanged();
}

void COutlineScan::rescanSoon(bool resendAll)
{
    const std::string_view text = m_document->textView();
    if (text.size() < readAsideFrom) {
        rescan(resendAll);
        return;
    }
    finishReading();
    m_pause.stop();
    m_entriesKept = true;
    m_changeUnjudged = false;
    // The editor's text does not move until it changes, and every change is heard before it
    // is made, which waits for this reading first.
    m_news = std::make_shared<Reading>();
    m_toldAny = false;
    m_reading =
        std::async(std::launch::async, [this, news = m_news, text, shown = m_shown, resendAll] {
            constexpr std::size_t batch = 4096;
            OutlineState known = shown;
            std::vector<OutlineNotification> found;
            const auto hand = [this, &news, &found](const OutlineState *all) {
                const std::lock_guard<std::mutex> hold(news->lock);
                std::move(found.begin(), found.end(), std::back_inserter(news->news));
                found.clear();
                if (all) {
                    news->known = *all;
                    news->done = true;
                }
                // Told on the window's thread; gone with this object, which waits for the reading.
                if (!std::exchange(news->tellQueued, true))
                    QMetaObject::invokeMethod(this, &COutlineScan::tellNews, Qt::QueuedConnection);
            };
            RescanOutline(text, shown, resendAll, [&](Hint hint, const ElementRecord *record) {
                known.Apply(hint, record);
                found.push_back({hint, record ? std::optional(*record) : std::nullopt});
                if (found.size() >= batch)
                    hand(nullptr);
            });
            hand(&known);
        });
}

void COutlineScan::tellNews()
{
    if (!m_news)
        return;
    std::vector<OutlineNotification> news;
    bool done = false;
    {
        const std::lock_guard<std::mutex> hold(m_news->lock);
        news.swap(m_news->news);
        m_news->tellQueued = false;
        done = m_news->done;
    }
    for (const OutlineNotification &item : news)
        tell(item.hint, item.record ? &*item.record : nullptr);
    m_toldAny = m_toldAny || !news.empty();
    if (!done)
        return;
    m_reading.wait();
    m_reading = {};
    m_shown = m_news->known;
    m_news.reset();
    if (std::exchange(m_toldAny, false))
        emit m_document->elementsChanged();
}

void COutlineScan::finishReading()
{
    if (!m_reading.valid())
        return;
    m_reading.wait();
    tellNews();
}

void COutlineScan::tell(Hint hint, const ElementRecord *record)
{
    for (const OutlineCategory category : OutlineCategories) {
        if (hint == AddHintFor(category) && record)
            emit m_document->elementAdded(category, *record);
        else if (hint == ClearHintFor(category))
            emit m_document->categoryCleared(category);
    }
}
