#pragma once
// A promoted widget of the sample Designer form: a custom class that a harvest sees as the Qt class it extends.
#include <QLabel>

class clsSampleLabel : public QLabel {
public:
    using QLabel::QLabel;
};
