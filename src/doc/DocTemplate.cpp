#include "DocTemplate.h"

#include "DocFrame.h"

CDocTemplate::CDocTemplate(FrameFactory factory)
    : m_factory(std::move(factory))
{}

CDocFrame *CDocTemplate::CreateNewFrame(CTarnelDoc *document) const
{
    return m_factory(document);
}

void CDocTemplate::InitialUpdateFrame(CDocFrame *frame)
{
    frame->initialUpdate();
    frame->showMaximized();
    frame->setFocus();
}
