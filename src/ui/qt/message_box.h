// The program's warning box and the boundary around every event handler.
#pragma once

#include <QString>
#include <QWidget>
#include <functional>

namespace quarnel {

// Shows a modal box with the exclamation icon, the title, the text and one OK button over parent,
// and returns when it is closed.
void showWarning(QWidget* parent, const QString& text, const QString& title);

// The text shown when a handler fails unexpectedly.
extern const char* const kFailureMessage;

// Runs one event handler to its end. A failure escaping from it is shown in a warning box "提示"
// with kFailureMessage; the program goes on, and the fields keep what the handler left in them.
void runHandler(QWidget* parent, const std::function<void()>& handler);

}  // namespace quarnel
