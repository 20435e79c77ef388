// The escaping of the helpers' line protocols: on the wire a value never
// holds a line break or a tab, so messages split on lines and fields on tabs.
final class HelperText {
    private HelperText() {
    }

    static String escaped(String value) {
        StringBuilder escaped = new StringBuilder(value.length());
        for (char c : value.toCharArray()) {
            switch (c) {
                case '\\' -> escaped.append("\\\\");
                case '\n' -> escaped.append("\\n");
                case '\r' -> escaped.append("\\r");
                case '\t' -> escaped.append("\\t");
                default -> escaped.append(c);
            }
        }
        return escaped.toString();
    }

    // The fields as one message: escaped and separated by tabs, without the line break.
    static String line(String... fields) {
        StringBuilder line = new StringBuilder();
        for (int i = 0; i < fields.length; i++) {
            if (i > 0)
                line.append('\t');
            line.append(escaped(fields[i]));
        }
        return line.toString();
    }

    // The fields of one message, unescaped.
    static String[] fields(String line) {
        String[] fields = line.split("\t", -1);
        for (int i = 0; i < fields.length; i++)
            fields[i] = unescaped(fields[i]);
        return fields;
    }

    static String unescaped(String value) {
        StringBuilder plain = new StringBuilder(value.length());
        for (int i = 0; i < value.length(); i++) {
            char c = value.charAt(i);
            if (c != '\\' || i + 1 == value.length()) {
                plain.append(c);
                continue;
            }
            char next = value.charAt(++i);
            plain.append(next == 'n' ? '\n' : next == 'r' ? '\r' : next == 't' ? '\t' : next);
        }
        return plain.toString();
    }
}
