#include "view3d/glwidget.h"

GLWidget::GLWidget(QWidget* parent) : QOpenGLWidget(parent) {}
