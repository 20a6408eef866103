#include "LocaleChangeWatch.h"

#include <QAbstractNativeEventFilter>

LocaleChangeWatch::LocaleChangeWatch(QWidget*)
{}

LocaleChangeWatch::~LocaleChangeWatch() = default;
