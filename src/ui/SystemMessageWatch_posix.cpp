// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#include "SystemMessageWatch.h"

#include <QAbstractNativeEventFilter>

SystemMessageWatch::SystemMessageWatch(QWidget*, Handlers)
{}

SystemMessageWatch::~SystemMessageWatch() = default;
