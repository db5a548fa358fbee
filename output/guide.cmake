# The Take-Along Guide: page geometry, column order, frame, rows and the
# page sequence, and the plan pages after it, drawn through the PDF writer.
add_library(guide STATIC
  ${CMAKE_CURRENT_LIST_DIR}/guide_layout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/guide_columns.cpp
  ${CMAKE_CURRENT_LIST_DIR}/guide_row_texts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/guide_frame.cpp
  ${CMAKE_CURRENT_LIST_DIR}/guide_rows.cpp
  ${CMAKE_CURRENT_LIST_DIR}/height_profile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/plan_page.cpp
  ${CMAKE_CURRENT_LIST_DIR}/guide.cpp
)
target_include_directories(guide PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(guide PUBLIC pdf waypoint_model geodesy)
