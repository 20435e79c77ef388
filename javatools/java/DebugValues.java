// A value of the paused program as a beginner reads it: a string or a char
// with Java's escapes, a collection of the JDK as its elements ("3
// elementos: [1, 2, 3]"), an object of the student's own class as what its
// toString says (called on the stopped thread, with a time limit) or as its
// fields, any other object by its class's simple name.
import com.sun.jdi.ArrayReference;
import com.sun.jdi.CharValue;
import com.sun.jdi.ClassType;
import com.sun.jdi.Field;
import com.sun.jdi.Method;
import com.sun.jdi.ObjectReference;
import com.sun.jdi.PrimitiveValue;
import com.sun.jdi.ReferenceType;
import com.sun.jdi.StringReference;
import com.sun.jdi.ThreadReference;
import com.sun.jdi.Value;
import java.util.ArrayList;
import java.util.HashMap;
import java.util.List;
import java.util.Map;

final class DebugValues {
    // The packages of the JDK's own classes: not the student's code.
    static final String[] JDK = {"java.", "javax.", "jdk.", "sun.", "com.sun."};
    private static final int PREVIEW = 60;
    // Classes of the JDK whose toString is what a beginner wants to see.
    private static final String[] TOLD = {"java.lang.StringBuilder", "java.lang.StringBuffer", "java.math.",
                                          "java.time.", "java.util.Optional", "java.util.UUID"};

    private final Invoker invoker;
    private ThreadReference thread;
    private final Map<Long, String> told = new HashMap<>(); // toString's answers of this stop

    DebugValues(Invoker invoker) {
        this.invoker = invoker;
    }

    // The thread calls run on; null while the program runs.
    void setThread(ThreadReference thread) {
        this.thread = thread;
        told.clear();
    }

    Invoker invoker() {
        return invoker;
    }

    ThreadReference thread() {
        return thread;
    }

    static boolean isJdk(ReferenceType type) {
        String name = type.name();
        for (String prefix : JDK)
            if (name.startsWith(prefix))
                return true;
        return false;
    }

    // The type a row shows: the declaration's (with its type arguments when
    // it has a signature), and the object's own class when it differs.
    static String type(String declared, String signature, Value value) {
        String generic = JavaText.fromSignature(signature);
        String shown = generic != null ? generic : JavaText.simpleType(declared);
        if (value instanceof ObjectReference object && !(value instanceof ArrayReference)) {
            String actual = JavaText.simpleType(object.referenceType().name());
            String bare = shown.contains("<") ? shown.substring(0, shown.indexOf('<')) : shown;
            if (!actual.equals(bare) && !(value instanceof StringReference && bare.equals("String")))
                shown += " (" + actual + ")";
        }
        return shown;
    }

    static String typeOf(Value value) {
        return value == null ? "null" : JavaText.simpleType(value.type().name());
    }

    // Whether the value opens into elements or fields.
    static boolean opens(Value value) {
        if (value instanceof ArrayReference)
            return true;
        if (!(value instanceof ObjectReference object) || value instanceof StringReference || boxed(object) != null)
            return false;
        return !isJdk(object.referenceType()) || JdkCollections.isCollection(object) || hasFields(object);
    }

    private static boolean hasFields(ObjectReference object) {
        for (Field f : object.referenceType().allFields())
            if (!f.isStatic())
                return true;
        return false;
    }

    String text(Value value) {
        return text(value, true);
    }

    // `full`: a collection's or object's preview of its insides; otherwise
    // (inside another preview) only its kind and size.
    private String text(Value value, boolean full) {
        if (value == null)
            return "null";
        if (value instanceof CharValue c)
            return JavaText.quoted(c.value());
        if (value instanceof PrimitiveValue)
            return value.toString();
        if (value instanceof StringReference s)
            return JavaText.quoted(s.value(), full ? 200 : 30);
        ObjectReference object = (ObjectReference) value;
        String boxed = boxed(object);
        if (boxed != null)
            return boxed;
        String simple = JavaText.simpleType(object.referenceType().name());
        if (value instanceof ArrayReference array) {
            if (!full)
                return simple.replaceFirst("\\[\\]", "[" + array.length() + "]");
            int n = Math.min(array.length(), 12);
            List<JdkCollections.Entry> entries = new ArrayList<>();
            for (Value v : n > 0 ? array.getValues(0, n) : List.<Value>of())
                entries.add(new JdkCollections.Entry(null, v));
            return JavaText.count(array.length(), false) + preview(entries, array.length(), false);
        }
        String constant = enumName(object);
        if (constant != null)
            return constant;
        if (JdkCollections.isCollection(object)) {
            boolean map = JdkCollections.isMap(object);
            int[] size = {0};
            try {
                List<JdkCollections.Entry> entries = JdkCollections.entries(object, full ? 12 : 0, size, invoker, thread);
                return full ? JavaText.count(size[0], map) + preview(entries, size[0], map)
                            : simple + "(" + JavaText.count(size[0], map) + ")";
            } catch (Invoker.Failure e) {
                return simple;
            }
        }
        boolean students = !isJdk(object.referenceType());
        Method toString = toStringOf(object.referenceType(), students);
        if (!full && toString == null)
            return simple;
        if (toString != null) {
            String said = told.computeIfAbsent(object.uniqueID(), id -> {
                try {
                    Value result = invoker.call(thread, object, toString, List.of());
                    return result instanceof StringReference s ? cut(s.value(), 200) : "null";
                } catch (Invoker.Failure e) {
                    return simple + " (o toString " + e.getMessage() + ")";
                }
            });
            return full ? said : cut(said, 30);
        }
        return students ? simple + fieldsPreview(object) : simple;
    }

    // The toString to call: one a student's class declares, or one of the
    // JDK's classes that say what they hold.
    private static Method toStringOf(ReferenceType type, boolean students) {
        if (!(type instanceof ClassType c))
            return null;
        Method m = c.concreteMethodByName("toString", "()Ljava/lang/String;");
        if (m == null || m.declaringType().name().equals("java.lang.Object"))
            return null;
        if (students)
            return isJdk(m.declaringType()) ? null : m;
        for (String prefix : TOLD)
            if (type.name().startsWith(prefix))
                return m;
        return null;
    }

    private String preview(List<JdkCollections.Entry> entries, int size, boolean map) {
        if (size == 0)
            return "";
        StringBuilder out = new StringBuilder(map ? ": {" : ": [");
        for (int i = 0; i < entries.size(); ++i) {
            if (i > 0)
                out.append(", ");
            JdkCollections.Entry e = entries.get(i);
            if (map)
                out.append(text(e.key(), false)).append(" → ");
            out.append(text(e.value(), false));
            if (out.length() > PREVIEW && i + 1 < size)
                return out.append(", …").append(map ? "}" : "]").toString();
        }
        if (entries.size() < size)
            out.append(", …");
        return out.append(map ? "}" : "]").toString();
    }

    // The fields an object of the student's class has from the student's
    // classes, not those it inherits from the JDK's.
    static List<Field> ownFields(ObjectReference object) {
        List<Field> fields = new ArrayList<>();
        for (Field f : object.referenceType().allFields())
            if (!f.isStatic() && !f.isSynthetic() && !isJdk(f.declaringType()))
                fields.add(f);
        return fields;
    }

    private String fieldsPreview(ObjectReference object) {
        StringBuilder out = new StringBuilder(" {");
        boolean first = true;
        for (Field f : ownFields(object)) {
            if (!first)
                out.append(", ");
            first = false;
            out.append(fieldName(object, f)).append(": ").append(text(object.getValue(f), false));
            if (out.length() > PREVIEW)
                return out.append(", …}").toString();
        }
        return first ? "" : out.append("}").toString();
    }

    // A field's name as the panel shows it: one hidden by a field of the
    // same name in a subclass goes with its class (Animal.nome).
    static String fieldName(ObjectReference object, Field field) {
        if (field.declaringType().equals(object.referenceType()))
            return field.name();
        for (Field other : object.referenceType().allFields())
            if (other != field && !other.isStatic() && other.name().equals(field.name()))
                return JavaText.simpleType(field.declaringType().name()) + "." + field.name();
        return field.name();
    }

    private static String cut(String text, int limit) {
        return text.length() > limit ? text.substring(0, limit) + "…" : text;
    }

    private static String enumName(ObjectReference object) {
        if (!(object.referenceType() instanceof ClassType c) || c.superclass() == null)
            return null;
        for (ClassType t = c; t != null; t = t.superclass()) {
            if (t.name().equals("java.lang.Enum")) {
                Value name = JdkCollections.get(object, "name");
                return name instanceof StringReference s ? s.value() : null;
            }
        }
        return null;
    }

    // Integer, Double, Character...: their value, as Java prints it.
    static String boxed(ObjectReference object) {
        if (!object.referenceType().name().startsWith("java.lang."))
            return null;
        Field field = object.referenceType().fieldByName("value");
        if (field == null || field.isStatic())
            return null;
        Value inner = object.getValue(field);
        if (inner instanceof CharValue c)
            return JavaText.quoted(c.value());
        return inner instanceof PrimitiveValue ? inner.toString() : null;
    }
}
