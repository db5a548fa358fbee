// Outside judges of cairnlog's three outputs, for tests that run the
// program on many inputs. Each returns "" when the file passes, else what
// is wrong with it.
#pragma once

#include <string>

// xmllint: the GPX file is well-formed XML and, when every waypoint's
// position is in the range the GPX schema allows, valid against schema.
std::string GpxFault(const std::string& path, const std::string& schema);

// Every line ends with CR LF and has nine tab-separated fields.
std::string ReportFault(const std::string& path);

// qpdf --check finds neither an error nor a warning.
std::string PdfFault(const std::string& path);
