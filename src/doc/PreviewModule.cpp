#include "PreviewModule.h"

#include <QCoreApplication>
#include <QOpenGLContext>

#include <filesystem>

#include <dlfcn.h>

QT_BEGIN_NAMESPACE
// Qt's own, exported for the browser engine, which declares it so too.
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext *context);
QT_END_NAMESPACE

namespace {

CPreviewModule *s_module = nullptr;
CPreviewModule *(*s_linkedEntry)() = nullptr;
QString s_error;
bool s_pageScriptsBarred = false;

// The browser side's library lies beside the window's, in a build tree as where installed.
std::filesystem::path previewLibrary()
{
    Dl_info info{};
    if (!::dladdr(reinterpret_cast<void *>(&previewModule), &info) || !info.dli_fname)
        return "tarnel-preview.so";
    return std::filesystem::path(info.dli_fname).parent_path() / "tarnel-preview.so";
}

// The browser engine draws through an OpenGL context shared with Qt's, even where it draws
// with the processor. Linked in, it has Qt make one as the application starts, which loads
// the OpenGL driver at every start; loaded later, it needs one made before it loads.
void shareOpenGlContext()
{
    if (QOpenGLContext::globalShareContext())
        return;
    auto *context = new QOpenGLContext;
    context->create();
    qt_gl_set_global_share_context(context);
    qAddPostRoutine([] {
        QOpenGLContext *shared = QOpenGLContext::globalShareContext();
        qt_gl_set_global_share_context(nullptr);
        delete shared;
    });
}

} // namespace

CPreviewModule *previewModule()
{
    if (s_module)
        return s_module;
    if (s_linkedEntry)
        return s_module = s_linkedEntry();
    shareOpenGlContext();
    const std::filesystem::path library = previewLibrary();
    void *handle = ::dlopen(library.c_str(), RTLD_NOW | RTLD_LOCAL);
    using Entry = CPreviewModule *(*)();
    auto *entry =
        handle ? reinterpret_cast<Entry>(::dlsym(handle, "tarnel_preview_module")) : nullptr;
    if (!entry) {
        s_error = QString::fromLocal8Bit(::dlerror());
        return nullptr;
    }
    s_module = entry();
    return s_module;
}

QString previewModuleError()
{
    return s_error;
}

void useLinkedPreviewModule(CPreviewModule *(*entry)())
{
    s_linkedEntry = entry;
}

void barPreviewPageScripts()
{
    s_pageScriptsBarred = true;
}

bool previewPageScriptsBarred()
{
    return s_pageScriptsBarred;
}
