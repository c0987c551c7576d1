#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionSpinBox>
#include <QTest>

namespace logivane::test {

template <class T>
T* Control(const QWidget& dialog, const char* name) {
  T* control = dialog.findChild<T*>(name);
  EXPECT_NE(control, nullptr) << name;
  return control;
}

/// Clicks one of the arrows of an up-down where the style draws it.
inline void ClickArrow(QSpinBox* box, bool up) {
  QStyleOptionSpinBox option;
  option.initFrom(box);
  option.rect = box->rect();
  option.subControls = QStyle::SC_All;
  option.stepEnabled = QAbstractSpinBox::StepUpEnabled | QAbstractSpinBox::StepDownEnabled;
  const QRect arrow = box->style()->subControlRect(
      QStyle::CC_SpinBox, &option, up ? QStyle::SC_SpinBoxUp : QStyle::SC_SpinBoxDown, box);
  QTest::mouseClick(box, Qt::LeftButton, {}, arrow.center());
}

/// Clicks a check box or radio button on its indicator: the widget may be wider than the
/// indicator and its caption.
inline void ClickCheck(QAbstractButton* box) {
  QStyleOptionButton option;
  option.initFrom(box);
  option.text = box->text();
  const bool radio = box->inherits("QRadioButton");
  const QRect target = box->style()->subElementRect(
      radio ? QStyle::SE_RadioButtonIndicator : QStyle::SE_CheckBoxIndicator, &option, box);
  QTest::mouseClick(box, Qt::LeftButton, {}, target.center());
}

}  // namespace logivane::test
