// The forms the render tool knows: a name and a function that builds the
// form in a state worth looking at (loaded, filled, at its usual size).
#pragma once
#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

namespace kalvex::render {

struct RenderForm {
    QString name;
    std::function<QWidget*()> make;
    // For a modal dialog: opens it, draws it into the file and closes it.
    std::function<bool(const QString& pngFile)> renderTo = {};
};

const std::vector<RenderForm>& renderForms();

} // namespace kalvex::render
