#include "PreferencesDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontComboBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QSpinBox>

CPreferencesDlg::CPreferencesDlg(const EditorSettings &settings, QWidget *parent)
    : QDialog(parent)
    , m_nameCase(new QComboBox(this))
    , m_autoClose(new QCheckBox(tr("Put in the &closing tag after an opening tag"), this))
    , m_font(new QFontComboBox(this))
    , m_fontSize(new QSpinBox(this))
    , m_tabWidth(new QSpinBox(this))
    , m_lineNumbers(new QCheckBox(tr("Show line &numbers"), this))
    , m_scheme(new QComboBox(this))
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

    auto *form = new QFormLayout(this);
    form->addRow(tr("Spell tag and attribute &names:"), m_nameCase);
    form->addRow(QString(), m_autoClose);
    form->addRow(tr("&Font:"), m_font);
    form->addRow(tr("Font &size:"), m_fontSize);
    form->addRow(tr("&Tab width (characters):"), m_tabWidth);
    form->addRow(QString(), m_lineNumbers);
    form->addRow(tr("Co&lours:"), m_scheme);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
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
    return settings;
}
