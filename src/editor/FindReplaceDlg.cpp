#include "FindReplaceDlg.h"

#include "TarnelView.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

CFindReplaceDlg::CFindReplaceDlg(CTarnelView *view, bool replace, QWidget *parent)
    : QDialog(parent)
    , m_view(view)
{
    setWindowTitle(replace ? tr("Replace") : tr("Find"));
    setAttribute(Qt::WA_DeleteOnClose);
    const FindOptions &last = lastOptions();

    auto *fields = new QGridLayout;
    m_find = new QLineEdit(last.what, this);
    auto *findLabel = new QLabel(tr("Fi&nd what:"), this);
    findLabel->setBuddy(m_find);
    fields->addWidget(findLabel, 0, 0);
    fields->addWidget(m_find, 0, 1);
    if (replace) {
        m_replace = new QLineEdit(last.replaceWith, this);
        auto *replaceLabel = new QLabel(tr("Re&place with:"), this);
        replaceLabel->setBuddy(m_replace);
        fields->addWidget(replaceLabel, 1, 0);
        fields->addWidget(m_replace, 1, 1);
    }
    m_wholeWord = new QCheckBox(tr("Match &whole word only"), this);
    m_wholeWord->setChecked(last.wholeWord);
    m_matchCase = new QCheckBox(tr("Match &case"), this);
    m_matchCase->setChecked(last.matchCase);
    auto *options = new QVBoxLayout;
    options->addWidget(m_wholeWord);
    options->addWidget(m_matchCase);
    auto *bottom = new QHBoxLayout;
    bottom->addLayout(options);
    if (!replace) {
        auto *direction = new QGroupBox(tr("Direction"), this);
        auto *dirLayout = new QHBoxLayout(direction);
        m_up = new QRadioButton(tr("&Up"), direction);
        m_down = new QRadioButton(tr("&Down"), direction);
        (last.down ? m_down : m_up)->setChecked(true);
        dirLayout->addWidget(m_up);
        dirLayout->addWidget(m_down);
        bottom->addWidget(direction);
    }

    auto *left = new QVBoxLayout;
    left->addLayout(fields);
    left->addLayout(bottom);
    auto *buttons = new QVBoxLayout;
    m_findNext = new QPushButton(tr("&Find Next"), this);
    m_findNext->setDefault(true);
    buttons->addWidget(m_findNext);
    connect(m_findNext, &QPushButton::clicked, this, [this] { findNext(m_view, readOptions()); });
    if (replace) {
        m_replaceButton = new QPushButton(tr("&Replace"), this);
        m_replaceAll = new QPushButton(tr("Replace &All"), this);
        buttons->addWidget(m_replaceButton);
        buttons->addWidget(m_replaceAll);
        connect(m_replaceButton, &QPushButton::clicked, this,
                [this] { replaceCurrent(m_view, readOptions()); });
        connect(m_replaceAll, &QPushButton::clicked, this, [this] {
            const int count = replaceAll(m_view, readOptions());
            m_view->showStatusMessage(tr("Replaced %n occurrence(s)", nullptr, count));
        });
    }
    auto *cancel = new QPushButton(tr("Cancel"), this);
    connect(cancel, &QPushButton::clicked, this, &QDialog::close);
    buttons->addWidget(cancel);
    buttons->addStretch();

    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);
    connect(m_find, &QLineEdit::textChanged, this, &CFindReplaceDlg::updateButtons);
    connect(view, &QObject::destroyed, this, &QDialog::close);
    updateButtons();
}

FindOptions &CFindReplaceDlg::lastOptions()
{
    static FindOptions options;
    return options;
}

FindOptions CFindReplaceDlg::readOptions() const
{
    FindOptions options;
    options.what = m_find->text();
    options.replaceWith = m_replace ? m_replace->text() : QString();
    options.matchCase = m_matchCase->isChecked();
    options.wholeWord = m_wholeWord->isChecked();
    options.down = !m_up || !m_up->isChecked();
    lastOptions() = options;
    return options;
}

void CFindReplaceDlg::updateButtons()
{
    const bool any = !m_find->text().isEmpty();
    m_findNext->setEnabled(any);
    if (m_replaceButton) {
        m_replaceButton->setEnabled(any);
        m_replaceAll->setEnabled(any);
    }
}

bool CFindReplaceDlg::findNext(CTarnelView *view, const FindOptions &options)
{
    if (options.what.isEmpty())
        return false;
    int line = 0, index = 0;
    // Searching up starts before the current match, down after it.
    if (options.down) {
        int l1, i1, l2, i2;
        view->getSelection(&l1, &i1, &l2, &i2);
        if (l1 >= 0)
            line = l2, index = i2;
        else
            view->getCursorPosition(&line, &index);
    } else {
        int l1, i1, l2, i2;
        view->getSelection(&l1, &i1, &l2, &i2);
        if (l1 >= 0)
            line = l1, index = i1;
        else
            view->getCursorPosition(&line, &index);
    }
    const bool found = view->findFirst(options.what, false, options.matchCase, options.wholeWord,
                                       false, options.down, line, index, true);
    if (!found)
        view->showStatusMessage(tr("Cannot find the string '%1'.").arg(options.what));
    return found;
}

bool CFindReplaceDlg::replaceCurrent(CTarnelView *view, const FindOptions &options)
{
    const Qt::CaseSensitivity cs = options.matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
    if (view->hasSelectedText() && view->selectedText().compare(options.what, cs) == 0)
        view->replaceSelectedText(options.replaceWith);
    return findNext(view, options);
}

int CFindReplaceDlg::replaceAll(CTarnelView *view, const FindOptions &options)
{
    if (options.what.isEmpty())
        return 0;
    int count = 0;
    view->beginUndoAction();
    bool found = view->findFirst(options.what, false, options.matchCase, options.wholeWord, false,
                                 true, 0, 0, false);
    while (found) {
        view->replace(options.replaceWith);
        ++count;
        found = view->findNext();
    }
    view->endUndoAction();
    if (count == 0)
        view->showStatusMessage(tr("Cannot find the string '%1'.").arg(options.what));
    return count;
}
