#include "AppletDlg.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>

CAppletDlg::CAppletDlg(QWidget *parent)
    : CFormDlg(QStringLiteral("Applet"), parent)
{
    auto *group = new QGroupBox(QStringLiteral("Applet Attributes"), this);
    auto *rows = new QGridLayout(group);
    grid()->addWidget(group, 0, 0);

    m_fileName = addBrowseRow(QStringLiteral("File Name"), tarnel::kAppletFileFilter, rows);
    m_comment = addTextRow(QStringLiteral("Comment"), rows);
    m_className = addBrowseRow(QStringLiteral("Class Name"), tarnel::kAppletClassFilter, rows);
    m_align =
        addListRow(QStringLiteral("Align"), listEntries(tarnel::ImageAlignList()), false, rows);
    m_name = addTextRow(QStringLiteral("Name"), rows);
    m_height = addTextRow(QStringLiteral("Height"), rows);
    m_width = addTextRow(QStringLiteral("Width"), rows);

    m_fileName->setObjectName(QStringLiteral("fileName"));
    m_comment->setObjectName(QStringLiteral("comment"));
    m_className->setObjectName(QStringLiteral("className"));
    m_align->setObjectName(QStringLiteral("align"));
    m_name->setObjectName(QStringLiteral("name"));
    m_height->setObjectName(QStringLiteral("height"));
    m_width->setObjectName(QStringLiteral("width"));
}

void CAppletDlg::setFields(const tarnel::AppletFields &fields)
{
    m_fields = fields;
    m_fileName->setText(qtext(fields.fileName));
    m_comment->setText(qtext(fields.comment));
    m_className->setText(qtext(fields.className));
    selectValue(m_align, qtext(fields.align));
    m_name->setText(qtext(fields.name));
    m_height->setText(qtext(fields.height));
    m_width->setText(qtext(fields.width));
}

void CAppletDlg::readFields()
{
    m_fields.fileName = text(m_fileName);
    m_fields.comment = text(m_comment);
    m_fields.className = text(m_className);
    m_fields.align = text(m_align);
    m_fields.name = text(m_name);
    m_fields.height = text(m_height);
    m_fields.width = text(m_width);
}

std::optional<std::string> CAppletDlg::validate() const
{
    return tarnel::Validate(m_fields);
}
