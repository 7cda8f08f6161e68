// The host's picker of a described primitive: a drop-down of the primitives
// the codec's descriptions know, which fills the six arguments of the
// primitive command export instead of having them typed.
#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <map>
#include <string>

// A drop-down that, when a primitive is chosen, writes its frame bytes,
// group and identifier into the fields named h2, h3, h4, h5, group and
// primitive of `fields`. Empty (and disabled) when the descriptions cannot
// be read; its tip then says why.
QComboBox* makePrimitivePicker(const std::map<std::string, QLineEdit*>& fields);
