# The power-level popup, a library of its own so that its tests link it without the main window;
# with it the loading of skin files, which the main window shares.
add_library(glint_popup STATIC
  ${CMAKE_CURRENT_LIST_DIR}/power_notify_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_images.cpp)
glint_target_options(glint_popup)
target_include_directories(glint_popup PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(glint_popup PUBLIC glint_framework glint_popup_core glint_skin_files)
