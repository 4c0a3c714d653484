#include "PageFolding.h"

#include "TarnelDoc.h"
#include "TextSurface.h"

#include <QFutureWatcher>
#include <QtConcurrent>

#include <memory>
#include <string>

namespace {

// Lines handed to the editor in one turn of the event loop: setting a line's level costs
// the editor about half a microsecond, so a slice stays well under a frame.
constexpr std::size_t kSliceLines = 50'000;

} // namespace

CPageFolding::CPageFolding(CTarnelDoc *document)
    : QObject(document)
    , m_document(document)
{
    m_pause.setSingleShot(true);
    m_pause.setInterval(300);
    connect(&m_pause, &QTimer::timeout, this, &CPageFolding::refold);
    connect(document, &CTarnelDoc::changed, this, &CPageFolding::textChanged);
    connect(document, &CTarnelDoc::reloaded, this, &CPageFolding::refold);
}

void CPageFolding::textChanged()
{
    ++m_generation;
    m_pause.start();
}

void CPageFolding::refold()
{
    m_pause.stop();
    const std::uint64_t generation = ++m_generation;
    auto text = std::make_shared<const std::string>(m_document->textView());
    auto *watcher = new QFutureWatcher<std::vector<tarnel::LineFold>>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, generation] {
        watcher->deleteLater();
        if (generation != m_generation)
            return; // the text changed meanwhile: its own refold follows
        m_levels = watcher->result();
        m_applied = 0;
        applySlice();
    });
    watcher->setFuture(QtConcurrent::run([text] { return tarnel::FoldLevels(*text); }));
}

void CPageFolding::applySlice()
{
    const std::size_t count = std::min(kSliceLines, m_levels.size() - m_applied);
    m_document->textSurface().setFoldLevels(
        m_applied, std::span<const tarnel::LineFold>(m_levels).subspan(m_applied, count));
    m_applied += count;
    if (m_applied < m_levels.size()) {
        const std::uint64_t generation = m_generation;
        QTimer::singleShot(0, this, [this, generation] {
            if (generation == m_generation)
                applySlice();
        });
    } else {
        m_levels = {};
    }
}
