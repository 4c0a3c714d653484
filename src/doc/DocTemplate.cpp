#include "DocTemplate.h"

#include "DocFrame.h"

CDocTemplate::CDocTemplate(int resourceId, QString docString, FrameFactory factory)
    : m_resourceId(resourceId)
    , m_docString(std::move(docString))
    , m_factory(std::move(factory))
{
}

QString CDocTemplate::docStringField(int index) const
{
    return m_docString.section(QLatin1Char('\n'), index, index);
}

CDocFrame *CDocTemplate::CreateNewFrame(CTarnelDoc *document) const
{
    return m_factory ? m_factory(document) : nullptr;
}

void CDocTemplate::InitialUpdateFrame(CDocFrame *frame)
{
    frame->initialUpdate();
    frame->showMaximized();
    frame->setFocus();
}
