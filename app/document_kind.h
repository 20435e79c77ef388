#pragma once

// The two document structures: a code document has only "Código"; a Swing
// window document also has the design page "Formulário". The values are the
// kind digits of the document tag.
enum class DocumentKind { Code = 0, SwingWindow = 1 };
