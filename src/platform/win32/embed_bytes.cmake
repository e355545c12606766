# Writes a C++ source that holds a file's bytes, so a picture is part of the program's data and
# not a resource: cmake -DINPUT=file -DOUTPUT=source.cpp -DFUNCTION=name -P embed_bytes.cmake
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" digits)
if(digits EQUAL 0)
  message(FATAL_ERROR "${INPUT} is empty")
endif()
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
# Sixteen bytes to a line keeps the generated source readable in a debugger (CMake's regular
# expressions have no counted repeat, so the line is spelled out).
string(REPEAT "0x[0-9a-f][0-9a-f]," 16 line)
string(REGEX REPLACE "(${line})" "\\1\n    " bytes "${bytes}")
get_filename_component(name "${INPUT}" NAME)
file(WRITE "${OUTPUT}.tmp"
"// Generated from ${name} by embed_bytes.cmake; edit the picture, not this file.
#include \"platform/win32/registered_mark.h\"

namespace qx::win32 {
namespace {

constexpr unsigned char kBytes[] = {
    ${bytes}
};

}  // namespace

std::span<const unsigned char> ${FUNCTION}() { return kBytes; }

}  // namespace qx::win32
")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
