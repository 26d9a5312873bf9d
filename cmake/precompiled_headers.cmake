# Parsing the headers of Qt and GoogleTest is most of what a source file that
# uses them costs to compile. The targets of a group share one precompiled
# header: the first target of the group compiles it, the others reuse it.
function(regrovantis_precompile target group)
  get_property(owner GLOBAL PROPERTY regrovantis_precompiled_${group})
  if(owner)
    target_precompile_headers(${target} REUSE_FROM ${owner})
  else()
    set_property(GLOBAL PROPERTY regrovantis_precompiled_${group} ${target})
    target_precompile_headers(${target} PRIVATE ${ARGN})
  endif()
endfunction()

set(REGROVANTIS_QT_WIDGETS_HEADERS
  <QtCore/QString> <QtCore/QTimer> <QtGui/QImage> <QtGui/QPainter>
  <QtWidgets/QApplication> <QtWidgets/QDialog> <QtWidgets/QLabel> <QtWidgets/QLineEdit>
  <QtWidgets/QListWidget> <QtWidgets/QMenu> <QtWidgets/QPushButton> <QtWidgets/QWidget>
  <string> <vector>)
