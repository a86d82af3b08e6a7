#pragma once

#include <QString>
#include <typeinfo>

// The C++ name of a type, as messages about objects of it show it.
QString ClassName(const std::type_info& type);

// The name of the object's most derived type.
template <typename T>
QString ClassNameOf(const T& object)
{
    return ClassName(typeid(object));
}
