#pragma once

class QWidget;

namespace songtao {

// Settings the Designer forms carry as dynamic properties because Designer
// has no place for them: "columnWidths" on list views ("50,350,..."),
// "integerOnly" on edit boxes that take digits only, "spinnerOnly" on spin
// boxes whose text changes through their buttons alone. Applied once after
// setupUi to every child of `root`.
void applyFormSettings(QWidget *root);

} // namespace songtao
