#include "SiteTree.h"

#include "TarnelDoc.h"
#include "outline.h"
#include "reedit.h"

using namespace tarnel;

CSiteTree::CSiteTree(CTarnelDoc *document, QWidget *parent)
    : QTreeView(parent)
    , CView(document)
{
    setHeaderHidden(true);
    setRootIsDecorated(true);
    // Every row the same height: the view never measures millions of entries.
    setUniformRowHeights(true);
    setExpandsOnDoubleClick(true);
    m_model.setCodec(&document->codec());
    setModel(&m_model);
    setExpanded(m_model.pageIndex(), true);
    connect(this, &QTreeView::doubleClicked, this, &CSiteTree::activate);
    connect(document, &CTarnelDoc::elementAdded, this,
            [this](OutlineCategory category, const ElementRecord &record) {
                if (m_filled)
                    m_model.addEntry(category, record);
            });
    connect(document, &CTarnelDoc::categoryCleared, this, [this](OutlineCategory category) {
        if (m_filled)
            m_model.clearCategory(category);
    });
    document->AddView(this);
}

CSiteTree::~CSiteTree()
{
    GetDocument()->RemoveView(this);
}

void CSiteTree::OnInitialUpdate()
{
    m_filled = true;
    GetDocument()->rescanOutlineSoon(true);
}

QModelIndex CSiteTree::categoryIndex(Category category)
{
    m_model.publish();
    return m_model.categoryIndex(toCore(category));
}

QModelIndex CSiteTree::entryIndex(Category category, int row)
{
    m_model.publish();
    return m_model.entryIndex(toCore(category), row);
}

int CSiteTree::entryCount(Category category)
{
    m_model.publish();
    return m_model.entryCount(toCore(category));
}

QString CSiteTree::entryText(Category category, int row)
{
    return m_model.data(entryIndex(category, row)).toString();
}

std::size_t CSiteTree::entryPosition(Category category, int row)
{
    if (row < 0 || row >= entryCount(category))
        return 0;
    return m_model.entry(toCore(category), row).index;
}

void CSiteTree::activate(const QModelIndex &index)
{
    m_model.publish();
    OutlineCategory category;
    int row = 0;
    if (!m_model.entryAt(index, &category, &row))
        return;
    const ElementRecord record = m_model.entry(category, row);
    const auto kind = ElementKindForHint(EditHintFor(category));
    GetDocument()->requestShowElement(this, kind.value_or(ElementKind::Place), record);
}
