# Each folder of the product is one library target that sees its own folder
# and the folders of the targets it links, and nothing else: its public
# include directory is a view in the build tree holding one symbolic link
# named after the folder (build/include/service/service -> service/). So
# `#include "service/x.h"` works where zor_service is linked, and an include
# of a higher layer fails to compile. The allowed arrows between folders are
# the table in the README's "Layout of the source"; tests/tree/layers_test
# holds every include of the product against it.

# zor_folder_view(TARGET): TARGET's public include directory is the view of
# the folder whose CMakeLists.txt calls this.
function(zor_folder_view target)
  cmake_path(GET CMAKE_CURRENT_SOURCE_DIR FILENAME folder)
  set(view ${CMAKE_BINARY_DIR}/include/${folder})
  file(MAKE_DIRECTORY ${view})
  file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${view}/${folder} SYMBOLIC)
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${target} INTERFACE ${view})
  else()
    target_include_directories(${target} PUBLIC ${view})
  endif()
endfunction()
