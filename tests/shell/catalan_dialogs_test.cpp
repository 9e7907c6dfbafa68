// Qt's own dialogs speak the lab's language.
#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QFileDialog>
#include <QMessageBox>

#include "shell/qt/catalan_dialogs.h"

namespace lab {

TEST(CatalanDialogs, MessageBoxAndSaveDialogButtonsAreInCatalan) {
  // The shell's test program installs the translation as the lab does; a
  // second install finds it again.
  ASSERT_TRUE(UseCatalanDialogs()) << "Qt's Catalan translation (qt6-translations-l10n) missing";
  QMessageBox box(QMessageBox::Warning, QStringLiteral("Llei de Trelko"), QStringLiteral("x"),
                  QMessageBox::Ok);
  EXPECT_EQ(box.button(QMessageBox::Ok)->text().toStdString(), "D'acord");
  QFileDialog chooser;
  chooser.setOption(QFileDialog::DontUseNativeDialog);
  chooser.setAcceptMode(QFileDialog::AcceptSave);
  EXPECT_EQ(chooser.labelText(QFileDialog::Accept).toStdString(), "De&sa");
}

}  // namespace lab
