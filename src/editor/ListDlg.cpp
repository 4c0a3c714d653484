#include "ListDlg.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QVBoxLayout>

CListDlg::CListDlg(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , m_list(new QListWidget(this))
{
    setModal(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_list);
    m_list->setObjectName(QStringLiteral("list"));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->installEventFilter(this);
    // 86 by 70 dialog units: a quarter of an average character wide, an eighth of a line high.
    const QFontMetrics metrics(font());
    resize(86 * metrics.averageCharWidth() / 4, 70 * metrics.height() / 8);
    connect(m_list, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem *> selected = m_list->selectedItems();
        if (!selected.isEmpty())
            m_choice = selected.first()->text();
    });
    connect(m_list, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem *item) {
        m_choice = item->text();
        accept();
    });
}

void CListDlg::setWords(const std::vector<std::string_view> &words)
{
    m_list->clear();
    for (std::string_view word : words)
        m_list->addItem(QString::fromLatin1(word.data(), static_cast<qsizetype>(word.size())));
    m_list->setCurrentRow(-1);
    m_list->clearSelection();
    m_choice.clear();
}

void CListDlg::setPosition(const QPoint &screenPoint)
{
    move(screenPoint);
}

void CListDlg::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool CListDlg::eventFilter(QObject *watched, QEvent *event)
{
    // The list takes Enter for itself; here it confirms the pop-up.
    if (watched == m_list && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            accept();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
