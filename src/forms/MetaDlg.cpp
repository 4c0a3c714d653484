#include "MetaDlg.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>

CMetaDlg::CMetaDlg(QWidget *parent)
    : CFormDlg(QStringLiteral("META"), parent)
{
    auto *group = new QGroupBox(QStringLiteral("Meta Attributes"), this);
    auto *rows = new QGridLayout(group);
    grid()->addWidget(group, 0, 0);

    m_name = addTextRow(QStringLiteral("Name"), rows);
    m_title = addTextRow(QStringLiteral("Title"), rows);
    m_content = addTextRow(QStringLiteral("Content"), rows);
    m_url = addBrowseRow(QStringLiteral("Url "), tarnel::kMetaUrlFilter, rows);
    m_httpEquiv = addListRow(QStringLiteral("Http-Equiv"), listEntries(tarnel::MetaHttpEquivs()),
                             false, rows);
    m_url->setMinimumWidth(m_url->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 30);

    m_name->setObjectName(QStringLiteral("name"));
    m_title->setObjectName(QStringLiteral("title"));
    m_content->setObjectName(QStringLiteral("content"));
    m_url->setObjectName(QStringLiteral("url"));
    m_httpEquiv->setObjectName(QStringLiteral("httpEquiv"));
}

void CMetaDlg::readFields()
{
    m_fields.name = text(m_name);
    m_fields.title = text(m_title);
    m_fields.content = text(m_content);
    m_fields.url = text(m_url);
    m_fields.httpEquiv = text(m_httpEquiv);
}

std::optional<std::string> CMetaDlg::validate() const
{
    return tarnel::Validate(m_fields);
}
