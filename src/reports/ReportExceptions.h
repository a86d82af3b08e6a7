#pragma once

#include "domain/Exception.h"

// Groups the errors of the report manager.
class EReportManagerException : public Exception
{
public:
    using Exception::Exception;
};

// The template file does not exist.
class EReportNotFoundException : public EReportManagerException
{
public:
    explicit EReportNotFoundException(const QString& path);
};

// A template that cannot be read or understood: the message names the file and the line.
class ETemplateFormatException : public EReportManagerException
{
public:
    using EReportManagerException::EReportManagerException;
};
