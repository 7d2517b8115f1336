#pragma once

#include <QString>

class QPushButton;
class QWidget;

/// A push button named `objectName` with `caption`, in which "&" marks the mnemonic; screen
/// readers get the caption without the mark.
[[nodiscard]] QPushButton *createButton(QWidget *parent, const QString &objectName,
                                        const QString &caption);

/// The caption as it reads: without the "&" that marks a mnemonic ("&&" is one "&").
[[nodiscard]] QString withoutMnemonic(const QString &caption);
