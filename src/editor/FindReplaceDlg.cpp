#include "FindReplaceDlg.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdlib>

namespace {

// The frame's new top-left to leave `match` free: just above or just below it, whichever
// the screen has room for (the nearer when both); with room on neither side, as far to the
// roomier side as the screen goes. Sideways it only stays on the screen.
QPoint placeAside(const QRect &frame, const QRect &match, const QRect &screen)
{
    constexpr int gap = 8;
    const int above = match.top() - gap - frame.height();
    const int below = match.bottom() + 1 + gap;
    const bool roomAbove = above >= screen.top();
    const bool roomBelow = below + frame.height() <= screen.bottom() + 1;
    int y = 0;
    if (roomAbove && roomBelow)
        y = std::abs(above - frame.top()) <= std::abs(below - frame.top()) ? above : below;
    else if (roomAbove || roomBelow)
        y = roomAbove ? above : below;
    else if (match.top() - screen.top() >= screen.bottom() - match.bottom())
        y = screen.top();
    else
        y = screen.bottom() + 1 - frame.height();
    const int x = std::clamp(frame.left(), screen.left(),
                             std::max(screen.left(), screen.right() + 1 - frame.width()));
    return {x, y};
}

} // namespace

CFindReplaceDlg::CFindReplaceDlg(CFindService service, StatusReport report, bool replace,
                                 QWidget *parent)
    : QDialog(parent)
    , m_service(service)
    , m_report(std::move(report))
{
    setWindowTitle(replace ? tr("Replace") : tr("Find"));
    setAttribute(Qt::WA_DeleteOnClose);
    const FindOptions &last = CFindService::lastOptions();

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
    m_regex = new QCheckBox(tr("Regular e&xpression"), this);
    m_regex->setObjectName(QStringLiteral("regex"));
    m_regex->setToolTip(tr("ECMAScript syntax; \\1 to \\9 in the replacement stand for the "
                           "groups"));
    m_regex->setChecked(last.regex);
    auto *options = new QVBoxLayout;
    options->addWidget(m_wholeWord);
    options->addWidget(m_matchCase);
    options->addWidget(m_regex);
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
    connect(m_findNext, &QPushButton::clicked, this, &CFindReplaceDlg::findNext);
    if (replace) {
        m_replaceButton = new QPushButton(tr("&Replace"), this);
        m_replaceAll = new QPushButton(tr("Replace &All"), this);
        buttons->addWidget(m_replaceButton);
        buttons->addWidget(m_replaceAll);
        connect(m_replaceButton, &QPushButton::clicked, this, &CFindReplaceDlg::replaceCurrent);
        connect(m_replaceAll, &QPushButton::clicked, this, &CFindReplaceDlg::replaceAll);
    }
    auto *cancel = new QPushButton(tr("Cancel"), this);
    connect(cancel, &QPushButton::clicked, this, &QDialog::close);
    buttons->addWidget(cancel);
    buttons->addStretch();

    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);
    connect(m_find, &QLineEdit::textChanged, this, &CFindReplaceDlg::updateButtons);
    updateButtons();
}

FindOptions CFindReplaceDlg::readOptions() const
{
    FindOptions options;
    options.what = m_find->text();
    options.replaceWith = m_replace ? m_replace->text() : QString();
    options.matchCase = m_matchCase->isChecked();
    options.wholeWord = m_wholeWord->isChecked();
    options.regex = m_regex->isChecked();
    options.down = !m_up || !m_up->isChecked();
    CFindService::lastOptions() = options;
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

void CFindReplaceDlg::findNext()
{
    const FindOptions options = readOptions();
    if (m_service.findNext(options))
        moveAsideFromMatch();
    else
        m_report(CFindService::notFoundMessage(options));
}

void CFindReplaceDlg::replaceCurrent()
{
    const FindOptions options = readOptions();
    if (m_service.replaceCurrent(options))
        moveAsideFromMatch();
    else
        m_report(CFindService::notFoundMessage(options));
}

void CFindReplaceDlg::replaceAll()
{
    const FindOptions options = readOptions();
    const int count = m_service.replaceAll(options);
    m_report(tr("Replaced %n occurrence(s)", nullptr, count));
}

void CFindReplaceDlg::moveAsideFromMatch()
{
    const QRect match = m_service.selectionOnScreen();
    if (!frameGeometry().intersects(match))
        return;
    const QScreen *screen = QGuiApplication::screenAt(match.center());
    if (!screen)
        screen = this->screen();
    move(placeAside(frameGeometry(), match, screen->availableGeometry()));
}
