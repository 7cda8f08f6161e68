#include "PrimitivePicker.h"

#include <variant>

#include "host/codec/PrimitiveChoices.h"
#include "host/codec/PsdlLink.h"

QComboBox* makePrimitivePicker(const std::map<std::string, QLineEdit*>& fields) {
  auto* picker = new QComboBox;
  picker->setObjectName("primitivePicker");
  auto loaded = psdl::hostDescriptions();
  if (const auto* error = std::get_if<std::string>(&loaded)) {
    picker->setEnabled(false);
    picker->setToolTip(QString::fromStdString(*error));
    return picker;
  }
  const auto set = std::get<std::shared_ptr<const psdl::DescriptionSet>>(loaded);
  picker->addItem("(type the values below)");
  for (const psdl::PrimitiveDesc& primitive : set->primitives)
    picker->addItem(QString::fromStdString(psdl::choiceText(primitive)));
  QObject::connect(picker, &QComboBox::activated, picker, [set, fields](int index) {
    if (index < 1 || static_cast<std::size_t>(index) > set->primitives.size()) return;
    const psdl::PrimitiveDesc& primitive = set->primitives[static_cast<std::size_t>(index) - 1];
    const std::pair<const char*, unsigned> values[] = {{"h2", primitive.frame[0]}, {"h3", primitive.frame[1]},
                                                       {"h4", primitive.frame[2]}, {"h5", primitive.frame[3]},
                                                       {"group", primitive.group}, {"primitive", primitive.primitive}};
    for (const auto& [name, value] : values)
      if (auto found = fields.find(name); found != fields.end()) found->second->setText(QString::number(value));
  });
  return picker;
}
