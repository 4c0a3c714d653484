#include "PreferencesDlg.h"

#include "KeysPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontComboBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

CPreferencesDlg::CPreferencesDlg(const EditorSettings &settings, const tarnel::KeyBindings &keys,
                                 QWidget *parent)
    : QDialog(parent)
    , m_nameCase(new QComboBox(this))
    , m_autoClose(new QCheckBox(tr("Put in the &closing tag after an opening tag"), this))
    , m_font(new QFontComboBox(this))
    , m_fontSize(new QSpinBox(this))
    , m_tabWidth(new QSpinBox(this))
    , m_lineNumbers(new QCheckBox(tr("Show line &numbers"), this))
    , m_scheme(new QComboBox(this))
    , m_reopenPages(new QCheckBox(tr("&Reopen the pages open at the last exit"), this))
    , m_tabs(new QTabWidget(this))
    , m_keys(new CKeysPage(keys, this))
{
    setWindowTitle(tr("Preferences"));
    // In NameCase order.
    m_nameCase->addItems({tr("As in the list"), tr("Upper case"), tr("Lower case"),
                          tr("As typed (never rewritten)"), tr("As the page")});
    m_nameCase->setCurrentIndex(int(settings.nameCase));
    m_autoClose->setChecked(settings.autoClose);
    m_font->setFontFilters(QFontComboBox::MonospacedFonts);
    m_font->setCurrentFont(settings.fontFamily.isEmpty()
                               ? QFontDatabase::systemFont(QFontDatabase::FixedFont)
                               : QFont(settings.fontFamily));
    m_fontSize->setRange(4, 72);
    m_fontSize->setValue(settings.fontSize);
    m_tabWidth->setRange(0, 16);
    m_tabWidth->setSpecialValueText(tr("A fifth of an inch"));
    m_tabWidth->setValue(settings.tabWidth);
    m_lineNumbers->setChecked(settings.lineNumbers);
    // In SchemeChoice order.
    m_scheme->addItems({tr("Follow the desktop"), tr("Light"), tr("Dark")});
    m_scheme->setCurrentIndex(int(settings.scheme));
    m_reopenPages->setChecked(settings.reopenPages);

    auto *editor = new QWidget(this);
    auto *form = new QFormLayout(editor);
    form->addRow(tr("Spell tag and attribute &names:"), m_nameCase);
    form->addRow(QString(), m_autoClose);
    form->addRow(tr("&Font:"), m_font);
    form->addRow(tr("Font &size:"), m_fontSize);
    form->addRow(tr("&Tab width (characters):"), m_tabWidth);
    form->addRow(QString(), m_lineNumbers);
    form->addRow(tr("Co&lours:"), m_scheme);
    form->addRow(QString(), m_reopenPages);
    m_tabs->addTab(editor, tr("&Editor"));
    m_tabs->addTab(m_keys, tr("&Keys"));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(buttons);
}

const tarnel::KeyBindings &CPreferencesDlg::keyBindings() const
{
    return m_keys->bindings();
}

EditorSettings CPreferencesDlg::settings() const
{
    EditorSettings settings;
    settings.nameCase = tarnel::NameCase(m_nameCase->currentIndex());
    settings.autoClose = m_autoClose->isChecked();
    const QString fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
    settings.fontFamily =
        m_font->currentFont().family() == fixed ? QString() : m_font->currentFont().family();
    settings.fontSize = m_fontSize->value();
    settings.tabWidth = m_tabWidth->value();
    settings.lineNumbers = m_lineNumbers->isChecked();
    settings.scheme = tarnel::SchemeChoice(m_scheme->currentIndex());
    settings.reopenPages = m_reopenPages->isChecked();
    return settings;
}
