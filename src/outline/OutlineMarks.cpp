#include "OutlineMarks.h"

#include "CheckService.h"
#include "PageValidation.h"
#include "SiteTree.h"
#include "TarnelDoc.h"
#include "scanner.h"

#include <QHelpEvent>
#include <QToolTip>

namespace {

// Enough to hold any tag an outline entry stands for.
constexpr std::size_t kLongestTag = 64 * 1024;

} // namespace

COutlineMarks::COutlineMarks(CSiteTree *tree, CCheckService *checks)
    : QStyledItemDelegate(tree)
    , m_tree(tree)
    , m_checks(checks)
{
    connect(checks, &CCheckService::findingsChanged, tree, [tree] { tree->viewport()->update(); });
}

QString COutlineMarks::findingsOf(const QModelIndex &index) const
{
    const auto *model = qobject_cast<const COutlineItemModel *>(index.model());
    COutlineItemModel::Category category;
    int row = 0;
    if (!model || m_checks->findings().empty() || !model->entryAt(index, &category, &row))
        return {};
    const std::size_t begin = model->entry(category, row).index;
    CTarnelDoc *doc = m_checks->document();
    const std::string_view tag = doc->textSlice(begin, kLongestTag);
    const std::size_t length = tarnel::TagEnd(tag, 0);
    const std::size_t end = begin + (length == tarnel::NoTagEnd ? 1 : length);
    QStringList messages;
    for (const tarnel::Finding &finding : m_checks->findings()) {
        if (finding.offset >= end)
            break;
        if (finding.offset >= begin)
            messages << findingMessage(finding);
    }
    return messages.join(QLatin1Char('\n'));
}

void COutlineMarks::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    if (findingsOf(index).isEmpty())
        return;
    option->features |= QStyleOptionViewItem::HasDecoration;
    option->icon = m_tree->style()->standardIcon(QStyle::SP_MessageBoxWarning);
}

bool COutlineMarks::helpEvent(QHelpEvent *event, QAbstractItemView *view,
                              const QStyleOptionViewItem &option, const QModelIndex &index)
{
    const QString findings = findingsOf(index);
    if (event->type() != QEvent::ToolTip || findings.isEmpty())
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    const QString value = index.data(Qt::ToolTipRole).toString();
    QToolTip::showText(event->globalPos(), value + QLatin1Char('\n') + findings, view);
    return true;
}
