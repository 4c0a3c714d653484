#include "FormDlg.h"

#include "filepaths.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>

CFormDlg::CFormDlg(const QString &caption, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(caption);
    setModal(true);
    m_body = new QVBoxLayout(this);
    m_grid = new QGridLayout;
    m_body->addLayout(m_grid);

    m_buttonRow = new QWidget(this);
    auto *buttons = new QHBoxLayout(m_buttonRow);
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->addStretch();
    m_ok = new QPushButton(tr("OK"), m_buttonRow);
    m_ok->setDefault(true);
    m_cancel = new QPushButton(tr("Cancel"), m_buttonRow);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    m_body->addStretch();
    m_body->addWidget(m_buttonRow);
    connect(m_ok, &QPushButton::clicked, this, &CFormDlg::accept);
    connect(m_cancel, &QPushButton::clicked, this, &CFormDlg::reject);
}

void CFormDlg::accept()
{
    readFields();
    if (const auto message = validate()) {
        showRefusal(*message);
        return;
    }
    cancelled = false;
    QDialog::accept();
}

void CFormDlg::showRefusal(const std::string &message)
{
    QMessageBox::warning(this, tr("Editor"), coreText(message));
}

void CFormDlg::reject()
{
    cancelled = true;
    QDialog::reject();
}

void CFormDlg::fillList(QComboBox *list, QStringList entries, bool editable, bool optional)
{
    const bool offerEmpty = optional && !editable;
    if (offerEmpty && !entries.contains(QString()))
        entries.prepend(QString());
    std::stable_sort(entries.begin(), entries.end(), [](const QString &a, const QString &b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    list->clear();
    list->setEditable(editable);
    if (editable) {
        // A typed value is written exactly as typed: no completion rewriting its case, and
        // Enter must not add it to the fixed entries.
        list->setCompleter(nullptr);
        list->setInsertPolicy(QComboBox::NoInsert);
        list->lineEdit()->setMaxLength(std::numeric_limits<int>::max());
    }
    list->addItems(entries);
    list->setCurrentIndex(offerEmpty ? list->findText(QString()) : -1);
    if (editable)
        list->setEditText(QString());
}

QString CFormDlg::coreText(std::string_view text)
{
    return QCoreApplication::translate("tarnel", std::string(text).c_str());
}

QStringList CFormDlg::listEntries(std::span<const std::string_view> entries)
{
    QStringList out;
    out.reserve(qsizetype(entries.size()));
    for (std::string_view entry : entries)
        out << QString::fromUtf8(entry.data(), qsizetype(entry.size()));
    return out;
}

void CFormDlg::selectValue(QComboBox *list, const QString &text)
{
    const int entry = list->findText(text, Qt::MatchExactly);
    if (entry >= 0 || text.isEmpty()) {
        list->setCurrentIndex(entry);
        if (entry < 0 && list->isEditable())
            list->setEditText(QString());
        return;
    }
    if (list->isEditable()) {
        list->setCurrentIndex(-1);
        list->setEditText(text);
        return;
    }
    // After the empty entry of an optional list, so that entry stays first.
    const int extra = list->itemText(0).isEmpty() && list->count() > 0 ? 1 : 0;
    list->insertItem(extra, text);
    list->setCurrentIndex(extra);
}

std::string CFormDlg::text(const QLineEdit *edit) const
{
    return text(edit->text());
}

std::string CFormDlg::text(const QComboBox *list) const
{
    return text(list->currentText());
}

std::string CFormDlg::text(const QPlainTextEdit *edit) const
{
    return text(edit->toPlainText());
}

std::string CFormDlg::inputText(const QWidget *input) const
{
    if (const auto *list = qobject_cast<const QComboBox *>(input))
        return text(list);
    if (const auto *block = qobject_cast<const QPlainTextEdit *>(input))
        return text(block);
    return text(static_cast<const QLineEdit *>(input));
}

void CFormDlg::showInput(QWidget *input, std::string_view pageBytes)
{
    if (auto *list = qobject_cast<QComboBox *>(input))
        selectValue(list, qtext(pageBytes));
    else if (auto *block = qobject_cast<QPlainTextEdit *>(input))
        block->setPlainText(qtext(pageBytes));
    else
        static_cast<QLineEdit *>(input)->setText(qtext(pageBytes));
}

void CFormDlg::showEvent(QShowEvent *event)
{
    if (!m_shownBefore) {
        m_shownBefore = true;
        giveMnemonics();
        putButtonsLastInTabOrder();
        lookReadOnlyWhereSo();
        focusFirstEditable();
    }
    QDialog::showEvent(event);
}

bool CFormDlg::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ReadOnlyChange)
        if (auto *field = qobject_cast<QLineEdit *>(watched))
            showReadOnlyLook(field);
    return QDialog::eventFilter(watched, event);
}

namespace {

// The letters a caption could be reached by, those that begin a word first.
QString mnemonicCandidates(const QString &caption)
{
    QString initials, others;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (!caption[i].isLetter())
            continue;
        const QChar letter = caption[i].toLower();
        QString &into = (i == 0 || !caption[i - 1].isLetterOrNumber()) ? initials : others;
        if (!initials.contains(letter) && !others.contains(letter))
            into += letter;
    }
    return initials + others;
}

// Gives caption `i` a letter, moving others to their next candidates where that frees one.
bool matchMnemonic(int i, const QList<QString> &candidates, QList<QChar> &chosen, QString &visited)
{
    for (QChar letter : candidates[i]) {
        if (visited.contains(letter))
            continue;
        visited += letter;
        const auto holder = chosen.indexOf(letter);
        if (holder < 0 || matchMnemonic(int(holder), candidates, chosen, visited)) {
            chosen[i] = letter;
            return true;
        }
    }
    return false;
}

QString markedAt(const QString &caption, QChar letter)
{
    for (qsizetype i = 0; i < caption.size(); ++i)
        if (caption[i].toLower() == letter && (i == 0 || !caption[i - 1].isLetterOrNumber()))
            return QString(caption).insert(i, QLatin1Char('&'));
    return QString(caption).insert(caption.indexOf(letter, 0, Qt::CaseInsensitive),
                                   QLatin1Char('&'));
}

} // namespace

void CFormDlg::giveMnemonics()
{
    // Every field's caption and check box gets a letter of its own; radio buttons, reached
    // with the arrow keys as well, take what letters are left.
    QList<QWidget *> captioned;
    QList<QString> texts;
    QList<QRadioButton *> radios;
    for (QWidget *w : findChildren<QWidget *>()) {
        if (auto *label = qobject_cast<QLabel *>(w); label && label->buddy())
            captioned << w, texts << label->text();
        else if (auto *box = qobject_cast<QCheckBox *>(w))
            captioned << w, texts << box->text();
        else if (auto *radio = qobject_cast<QRadioButton *>(w))
            radios << radio;
    }
    QList<QString> candidates;
    for (const QString &text : texts)
        candidates << mnemonicCandidates(text);
    QList<QChar> chosen(texts.size());
    for (int i = 0; i < texts.size(); ++i) {
        QString visited;
        matchMnemonic(i, candidates, chosen, visited);
    }
    QString taken;
    for (int i = 0; i < texts.size(); ++i) {
        if (chosen[i].isNull())
            continue;
        taken += chosen[i];
        const QString marked = markedAt(texts[i], chosen[i]);
        if (auto *label = qobject_cast<QLabel *>(captioned[i]))
            label->setText(marked);
        else
            static_cast<QCheckBox *>(captioned[i])->setText(marked);
    }
    for (QRadioButton *radio : radios)
        radio->setText(withMnemonic(radio->text(), taken));
}

namespace {

// The widgets Tab reaches, in the focus chain's order.
QList<QWidget *> tabChain(QWidget *form)
{
    QList<QWidget *> chain;
    for (QWidget *w = form->nextInFocusChain(); w && w != form; w = w->nextInFocusChain())
        if ((w->focusPolicy() & Qt::TabFocus) && form->isAncestorOf(w) && !w->focusProxy())
            chain << w;
    return chain;
}

bool isEditableInput(const QWidget *w)
{
    if (!w->isVisibleTo(w->window()) || !w->isEnabled())
        return false;
    if (const auto *field = qobject_cast<const QLineEdit *>(w))
        return !field->isReadOnly();
    if (const auto *text = qobject_cast<const QPlainTextEdit *>(w))
        return !text->isReadOnly();
    return qobject_cast<const QComboBox *>(w) != nullptr;
}

// The widget that takes the focus for `w`: an editable list's own line, say.
QWidget *owner(QWidget *w)
{
    if (auto *list = qobject_cast<QComboBox *>(w->parentWidget()); list && list->lineEdit() == w)
        return list;
    return w;
}

} // namespace

void CFormDlg::putButtonsLastInTabOrder()
{
    // The buttons were made before the rows; they come after them.
    QList<QWidget *> order;
    QList<QWidget *> buttons;
    for (QWidget *w : tabChain(this))
        (w->parentWidget() == m_buttonRow ? buttons : order) << w;
    auto *row = m_buttonRow->layout();
    std::sort(buttons.begin(), buttons.end(),
              [row](QWidget *a, QWidget *b) { return row->indexOf(a) < row->indexOf(b); });
    order << buttons;
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void CFormDlg::lookReadOnlyWhereSo()
{
    for (QLineEdit *field : findChildren<QLineEdit *>()) {
        if (qobject_cast<QComboBox *>(field->parentWidget()))
            continue;
        field->installEventFilter(this);
        showReadOnlyLook(field);
    }
}

void CFormDlg::focusFirstEditable()
{
    for (QWidget *w : tabChain(this)) {
        QWidget *input = owner(w);
        if (isEditableInput(input)) {
            input->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

QString withMnemonic(const QString &caption, QString &taken)
{
    const qsizetype marked = caption.indexOf(QLatin1Char('&'));
    if (marked >= 0 && marked + 1 < caption.size() && caption[marked + 1] != QLatin1Char('&')) {
        taken += caption[marked + 1].toLower();
        return caption;
    }
    auto free = [&](qsizetype i) {
        return caption[i].isLetter() && !taken.contains(caption[i].toLower());
    };
    qsizetype chosen = -1;
    for (qsizetype i = 0; i < caption.size() && chosen < 0; ++i)
        if ((i == 0 || !caption[i - 1].isLetterOrNumber()) && free(i))
            chosen = i;
    for (qsizetype i = 0; i < caption.size() && chosen < 0; ++i)
        if (free(i))
            chosen = i;
    if (chosen < 0)
        return caption;
    taken += caption[chosen].toLower();
    QString out = caption;
    out.insert(chosen, QLatin1Char('&'));
    return out;
}

void showReadOnlyLook(QLineEdit *field)
{
    if (!field->isReadOnly()) {
        field->setPalette(QPalette());
        return;
    }
    QPalette look = field->palette();
    look.setColor(QPalette::Base, look.color(QPalette::Window));
    field->setPalette(look);
}

namespace {

// The labels of the file choosers' filters, for lupdate: the core writes them inside its filter
// strings, where it cannot mark them one by one.
[[maybe_unused]] const char *const kFilterLabels[] = {
    QT_TRANSLATE_NOOP("tarnel", "All Files"),
    QT_TRANSLATE_NOOP("tarnel", "All HTML Files"),
    QT_TRANSLATE_NOOP("tarnel", "All Picture Files"),
    QT_TRANSLATE_NOOP("tarnel", "All Supported Types"),
    QT_TRANSLATE_NOOP("tarnel", "Applet Classes"),
    QT_TRANSLATE_NOOP("tarnel", "Applet Files"),
    QT_TRANSLATE_NOOP("tarnel", "Audio Files"),
    QT_TRANSLATE_NOOP("tarnel", "Audio Soft Files"),
    QT_TRANSLATE_NOOP("tarnel", "BITMAP Files"),
    QT_TRANSLATE_NOOP("tarnel", "CD DA Audio Tracks"),
    QT_TRANSLATE_NOOP("tarnel", "Creative Labs Voice Files"),
    QT_TRANSLATE_NOOP("tarnel", "Graphics Interface Format Files"),
    QT_TRANSLATE_NOOP("tarnel", "Image Sequence Files"),
    QT_TRANSLATE_NOOP("tarnel", "Impulse Tracker Modules"),
    QT_TRANSLATE_NOOP("tarnel", "JPEG File Inerchange Format"),
    QT_TRANSLATE_NOOP("tarnel", "MIDI Audio Files"),
    QT_TRANSLATE_NOOP("tarnel", "MIDI File"),
    QT_TRANSLATE_NOOP("tarnel", "MIDI Files"),
    QT_TRANSLATE_NOOP("tarnel", "MP3 Files"),
    QT_TRANSLATE_NOOP("tarnel", "MPEG Audio Files"),
    QT_TRANSLATE_NOOP("tarnel", "Media Files"),
    QT_TRANSLATE_NOOP("tarnel", "Microsoft Streaming Media Files"),
    QT_TRANSLATE_NOOP("tarnel", "Microsoft Wave Form Audio Files"),
    QT_TRANSLATE_NOOP("tarnel", "Movie File(MPEG)"),
    QT_TRANSLATE_NOOP("tarnel", "Other Module Types"),
    QT_TRANSLATE_NOOP("tarnel", "Pictures"),
    QT_TRANSLATE_NOOP("tarnel", "Playlist Files"),
    QT_TRANSLATE_NOOP("tarnel", "Protracker Module"),
    QT_TRANSLATE_NOOP("tarnel", "Quick Time Files"),
    QT_TRANSLATE_NOOP("tarnel", "Screamtracker Modules"),
    QT_TRANSLATE_NOOP("tarnel", "Video Files"),
    QT_TRANSLATE_NOOP("tarnel", "Windows Media Audio File"),
    QT_TRANSLATE_NOOP("tarnel", "eXtended Modules"),
};

// "label (patterns);;label (patterns)" with each label in the user's language.
QString translatedFilter(const std::string &filter)
{
    QStringList entries = QString::fromStdString(filter).split(QStringLiteral(";;"));
    for (QString &entry : entries) {
        const qsizetype patterns = entry.lastIndexOf(QStringLiteral(" ("));
        if (patterns > 0)
            entry.replace(0, patterns, CFormDlg::coreText(entry.first(patterns).toStdString()));
    }
    return entries.join(QStringLiteral(";;"));
}

} // namespace

std::optional<QString> CFormDlg::chooseFile(const char *filterPairs)
{
    const QString filter = translatedFilter(tarnel::ConvertFileFilter(filterPairs));
    const QString startDir = m_pagePath.isEmpty() ? QString() : QFileInfo(m_pagePath).path();
    const QString chosen = QFileDialog::getOpenFileName(this, tr("Open"), startDir, filter);
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen;
}

QPlainTextEdit *CFormDlg::addTextBlock(QGridLayout *into)
{
    auto *block = new QPlainTextEdit(this);
    block->setTabChangesFocus(true);
    into->addWidget(block, into->rowCount(), 0, 1, -1);
    return block;
}

QLineEdit *CFormDlg::addTextRow(const QString &label, QGridLayout *into)
{
    QGridLayout *layout = into ? into : m_grid;
    const int row = layout->rowCount();
    QLineEdit *edit = newTextField(this);
    auto *caption = new QLabel(label, this);
    caption->setBuddy(edit);
    layout->addWidget(caption, row, 0);
    layout->addWidget(edit, row, 1);
    return edit;
}

QLineEdit *CFormDlg::newTextField(QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    edit->setMaxLength(std::numeric_limits<int>::max());
    return edit;
}

QComboBox *CFormDlg::addListRow(const QString &label, const QStringList &entries, bool editable,
                                QGridLayout *into, bool optional)
{
    QGridLayout *layout = into ? into : m_grid;
    const int row = layout->rowCount();
    auto *list = new QComboBox(this);
    fillList(list, entries, editable, optional);
    auto *caption = new QLabel(label, this);
    caption->setBuddy(list);
    layout->addWidget(caption, row, 0);
    layout->addWidget(list, row, 1);
    return list;
}

QLineEdit *CFormDlg::addBrowseRow(const QString &label, const char *filterPairs, QGridLayout *into)
{
    QGridLayout *layout = into ? into : m_grid;
    QLineEdit *edit = addTextRow(label, layout);
    const int row = layout->rowCount() - 1;
    layout->addWidget(addBrowseButton(edit, filterPairs), row, 2);
    return edit;
}

QPushButton *CFormDlg::addBrowseButton(QLineEdit *field, const char *filterPairs)
{
    auto *button = new QPushButton(QStringLiteral("..."), this);
    button->setAutoDefault(false);
    button->setFixedWidth(button->fontMetrics().horizontalAdvance(QStringLiteral("....")) + 16);
    connect(button, &QPushButton::clicked, this, [this, field, filterPairs] {
        if (const auto chosen = chooseFile(filterPairs)) {
            // File names are UTF-8 whatever the page's encoding.
            field->setText(QString::fromStdString(
                tarnel::BrowsedPath(m_pagePath.toStdString(), chosen->toStdString())));
            emit fileBrowsed(field, *chosen);
        }
    });
    return button;
}

QPushButton *CFormDlg::addButton(const QString &caption)
{
    auto *button = new QPushButton(caption, m_buttonRow);
    button->setAutoDefault(false);
    auto *buttons = static_cast<QHBoxLayout *>(m_buttonRow->layout());
    buttons->insertWidget(buttons->indexOf(m_cancel), button);
    return button;
}
