// Records are read and written as raw bytes: the target must be little-endian
// and the compiler must lay the structs out exactly as the files do.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <type_traits>

static_assert(std::endian::native == std::endian::little, "store files are little-endian");

#define TROP_CHECK_LAYOUT(Type, size)                                             \
    static_assert(sizeof(Type) == (size), #Type " must match its file layout");  \
    static_assert(std::is_trivially_copyable_v<Type>, #Type " is copied as bytes")

#define TROP_CHECK_OFFSET(Type, field, offset) \
    static_assert(offsetof(Type, field) == (offset), #Type "::" #field " is at the wrong offset")
