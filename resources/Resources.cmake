# Resources built into the program: the version texts (from the project version and the date of
# the build's configuration) and the product pictures, drawn by a small tool at build time.
# Included from the top-level CMakeLists.txt after tessaron_core is defined.

set(GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
string(TIMESTAMP TESSARON_BUILD_DATE "%Y-%m-%d")
string(TIMESTAMP TESSARON_BUILD_YEAR "%Y")
configure_file(${CMAKE_SOURCE_DIR}/resources/VersionStrings.h.in ${GENERATED_DIR}/VersionStrings.h @ONLY)

add_executable(make_pictures ${CMAKE_SOURCE_DIR}/resources/tools/MakePictures.cpp)
add_custom_command(OUTPUT ${GENERATED_DIR}/PictureResources.cpp
  COMMAND make_pictures ${GENERATED_DIR}/PictureResources.cpp
  DEPENDS make_pictures
  COMMENT "Drawing the product pictures")
target_sources(tessaron_core PRIVATE ${GENERATED_DIR}/PictureResources.cpp)
target_include_directories(tessaron_core PRIVATE ${GENERATED_DIR})
