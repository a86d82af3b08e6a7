#include "ClassName.h"

#include <cxxabi.h>
#include <cstdlib>
#include <memory>

QString ClassName(const std::type_info& type)
{
    int status = 0;
    const std::unique_ptr<char, decltype(&std::free)> demangled(
        abi::__cxa_demangle(type.name(), nullptr, nullptr, &status), &std::free);
    return QString::fromLatin1(status == 0 && demangled ? demangled.get() : type.name());
}
