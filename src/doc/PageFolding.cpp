#include "PageFolding.h"

#include "TarnelDoc.h"
#include "TextSurface.h"

#include "PausedJob.h"

#include <QTimer>

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
    m_job = new CPausedJob(this, 300, [this]() -> CPausedJob::Work {
        std::shared_ptr<const std::string> text = m_document->snapshot();
        return [this, text]() -> CPausedJob::Delivery {
            auto levels =
                std::make_shared<std::vector<tarnel::LineFold>>(tarnel::FoldLevels(*text));
            return [this, levels] {
                ++m_generation;
                m_levels = std::move(*levels);
                m_applied = 0;
                applySlice();
            };
        };
    });
    connect(document, &CTarnelDoc::changed, this, &CPageFolding::textChanged);
    connect(document, &CTarnelDoc::reloaded, this, &CPageFolding::refold);
}

void CPageFolding::textChanged(const tarnel::TextChange &change)
{
    // The folds follow the tags and the lines alone: the editor moves them along itself.
    if (m_document->leftTagsAlone(change))
        return;
    ++m_generation;
    m_job->changed();
}

void CPageFolding::refold()
{
    m_job->runNow();
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
