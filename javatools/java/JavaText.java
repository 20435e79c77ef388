// How a beginner reads Java's names and literals: types without their
// packages and outer classes (ArrayList<String>, Aluno, int[]), and chars and
// strings with Java's escapes ('\n', "a\tb").
final class JavaText {
    private JavaText() {
    }

    // java.util.ArrayList -> ArrayList, Tipos$Aluno -> Aluno, int[] stays.
    static String simpleType(String name) {
        int start = Math.max(name.lastIndexOf('.'), name.lastIndexOf('$')) + 1;
        return name.substring(start);
    }

    // A generic signature (Ljava/util/Map<Ljava/lang/String;[I>;) as Java
    // writes the type (Map<String, int[]>); null when it cannot be read.
    static String fromSignature(String signature) {
        if (signature == null)
            return null;
        int[] at = {0};
        try {
            String type = read(signature, at);
            return at[0] == signature.length() ? type : null;
        } catch (RuntimeException e) {
            return null;
        }
    }

    private static String read(String s, int[] at) {
        char c = s.charAt(at[0]++);
        switch (c) {
            case 'Z': return "boolean";
            case 'B': return "byte";
            case 'C': return "char";
            case 'S': return "short";
            case 'I': return "int";
            case 'J': return "long";
            case 'F': return "float";
            case 'D': return "double";
            case 'V': return "void";
            case '[': return read(s, at) + "[]";
            case '*': return "?";
            case '+': return "? extends " + read(s, at);
            case '-': return "? super " + read(s, at);
            case 'T': {
                int end = s.indexOf(';', at[0]);
                String variable = s.substring(at[0], end);
                at[0] = end + 1;
                return variable;
            }
            case 'L': {
                StringBuilder name = new StringBuilder();
                while (true) {
                    char d = s.charAt(at[0]++);
                    if (d == ';')
                        return simpleType(name.toString().replace('/', '.'));
                    if (d == '<') {
                        StringBuilder arguments = new StringBuilder();
                        while (s.charAt(at[0]) != '>') {
                            if (arguments.length() > 0)
                                arguments.append(", ");
                            arguments.append(read(s, at));
                        }
                        ++at[0];
                        String outer = simpleType(name.toString().replace('/', '.'));
                        // An inner class of a generic one: Outer<T>.Inner; keep the last part.
                        if (s.charAt(at[0]) == '.') {
                            ++at[0];
                            name.setLength(0);
                            continue;
                        }
                        ++at[0]; // ';'
                        return outer + "<" + arguments + ">";
                    }
                    name.append(d);
                }
            }
            default:
                throw new IllegalArgumentException(s);
        }
    }

    static String quoted(char c) {
        return "'" + (c == '\'' ? "\\'" : c == '"' ? "\"" : escape(c)) + "'";
    }

    static String quoted(String text, int limit) {
        StringBuilder out = new StringBuilder("\"");
        int end = Math.min(text.length(), limit);
        for (int i = 0; i < end; ++i)
            out.append(text.charAt(i) == '"' ? "\\\"" : text.charAt(i) == '\'' ? "'" : escape(text.charAt(i)));
        return out.append(end < text.length() ? "…\"" : "\"").toString();
    }

    private static String escape(char c) {
        return switch (c) {
            case '\n' -> "\\n";
            case '\t' -> "\\t";
            case '\r' -> "\\r";
            case '\b' -> "\\b";
            case '\f' -> "\\f";
            case '\\' -> "\\\\";
            default -> c < 0x20 || c == 0x7f ? String.format("\\u%04x", (int) c) : String.valueOf(c);
        };
    }

    // "vazio", "1 elemento", "3 elementos"; for maps "1 par", "2 pares".
    static String count(int n, boolean pairs) {
        if (n == 0)
            return "vazio";
        if (pairs)
            return n + (n == 1 ? " par" : " pares");
        return n + (n == 1 ? " elemento" : " elementos");
    }
}
