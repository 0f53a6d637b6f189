// PluginLibrary where plug-in DLLs cannot be loaded: outside Windows a DLL's
// code needs the Windows build of plughost, which runs under wine.
#include "PluginLibrary.h"

namespace sweepfilter {

PluginLibrary::PluginLibrary(const std::string& path)
    : error_("'" + path +
             "' is not a .clap file: this plughost hosts CLAP plug-ins, DLLs need the Windows build "
             "(plughost.exe under wine)") {}

PluginLibrary::~PluginLibrary() = default;

PluginInstance PluginLibrary::createInstance(HostCallback) { return PluginInstance(); }

}  // namespace sweepfilter
