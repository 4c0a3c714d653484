#include "SiteTree.h"

#include "TarnelDoc.h"
#include "TarnelView.h"

using namespace tarnel;

CSiteTree::CSiteTree(CTarnelDoc *document, QWidget *parent)
    : QTreeWidget(parent)
    , CView(document)
{
    setHeaderHidden(true);
    setColumnCount(1);
    setRootIsDecorated(true);
    setUniformRowHeights(true);
    setExpandsOnDoubleClick(true);
    connect(this, &QTreeWidget::itemDoubleClicked, this, &CSiteTree::onItemDoubleClicked);
    document->AddView(this);
}

CSiteTree::~CSiteTree()
{
    for (auto &pending : m_pending)
        qDeleteAll(pending);
    GetDocument()->RemoveView(this);
}

void CSiteTree::OnInitialUpdate()
{
    if (!m_root) {
        m_root = new QTreeWidgetItem(this, QStringList(tr("Web Page")));
        m_categories[Applets] = new QTreeWidgetItem(m_root, QStringList(tr("Applets")));
        m_categories[Hyperlinks] = new QTreeWidgetItem(m_root, QStringList(tr("Hyperlinks")));
        m_categories[Images] = new QTreeWidgetItem(m_root, QStringList(tr("Images")));
        m_root->setExpanded(true);
    }
    if (auto *source = GetDocument()->firstViewOf<CTarnelView>())
        source->rescanOutline(true);
}

void CSiteTree::OnUpdate(CView *, int hint, const ElementRecord *record)
{
    if (!m_root)
        return;
    switch (hint) {
    case HintAddImage:
        if (record)
            addEntry(Images, *record);
        break;
    case HintAddLink:
        if (record)
            addEntry(Hyperlinks, *record);
        break;
    case HintAddApplet:
        if (record)
            addEntry(Applets, *record);
        break;
    case HintClearImages:
        clearCategory(Images);
        break;
    case HintClearLinks:
        clearCategory(Hyperlinks);
        break;
    case HintClearApplets:
        clearCategory(Applets);
        break;
    default:
        break;
    }
}

void CSiteTree::addEntry(Category category, const ElementRecord &record)
{
    m_pending[category].append(new QTreeWidgetItem(QStringList(QString::fromStdString(record.value))));
    m_positions[category].push_back(record.index);
    if (!m_flushQueued) {
        m_flushQueued = true;
        QMetaObject::invokeMethod(this, &CSiteTree::flushPending, Qt::QueuedConnection);
    }
}

void CSiteTree::flushPending()
{
    m_flushQueued = false;
    for (int c = 0; c < CategoryCount; ++c) {
        if (m_pending[c].isEmpty())
            continue;
        m_categories[c]->addChildren(m_pending[c]);
        m_pending[c].clear();
    }
}

void CSiteTree::clearCategory(Category category)
{
    m_positions[category].clear();
    qDeleteAll(m_pending[category]);
    m_pending[category].clear();
    qDeleteAll(m_categories[category]->takeChildren());
}

void CSiteTree::onItemDoubleClicked(QTreeWidgetItem *item)
{
    flushPending();
    if (!item || !item->parent() || item->parent() == m_root)
        return;
    QTreeWidgetItem *parent = item->parent();
    const int n = parent->indexOfChild(item);
    int hint = HintEditImage;
    std::vector<std::size_t> *positions = &m_positions[Images];
    if (parent == m_categories[Applets]) {
        hint = HintEditApplet;
        positions = &m_positions[Applets];
    } else if (parent == m_categories[Hyperlinks]) {
        hint = HintEditLink;
        positions = &m_positions[Hyperlinks];
    }
    if (n < 0 || static_cast<std::size_t>(n) >= positions->size())
        return;
    const ElementRecord record{item->text(0).toStdString(), (*positions)[static_cast<std::size_t>(n)]};
    GetDocument()->UpdateAllViews(this, hint, &record);
}
