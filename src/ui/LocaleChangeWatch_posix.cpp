// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#include "LocaleChangeWatch.h"

#include <QAbstractNativeEventFilter>

LocaleChangeWatch::LocaleChangeWatch(QWidget*)
{}

LocaleChangeWatch::~LocaleChangeWatch() = default;
