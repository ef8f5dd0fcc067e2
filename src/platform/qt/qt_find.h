// The text windows' own find and replace: Ctrl+F finds, F3 finds again, Ctrl+H replaces every
// occurrence (one undo step). The editor control's own commands: no handler sees them.
#pragma once

#include <QPlainTextEdit>
#include <QString>
#include <functional>

#include "platform/toolkit.h"

namespace platform::qt {

// Runs work started by Qt the way the toolkit does (nothing thrown gets past it).
using Boundary = std::function<void(const std::function<void()>&)>;

// Adds the shortcuts to the editor; the texts asked for are kept in find_text and replace_text
// (shared by every text window) and asked through the toolkit's prompt and note.
void add_find_and_replace(QPlainTextEdit& editor, Boundary boundary, Toolkit& ui, QString& find_text,
                          QString& replace_text);

}  // namespace platform::qt
