// A value of the paused program as the debugger's panel shows it: as Java
// writes it, a long string cut, an array or an object by its type.
import com.sun.jdi.ArrayReference;
import com.sun.jdi.CharValue;
import com.sun.jdi.Field;
import com.sun.jdi.ObjectReference;
import com.sun.jdi.PrimitiveValue;
import com.sun.jdi.StringReference;
import com.sun.jdi.Value;

final class ValueText {
    private ValueText() {
    }

    static String of(Value value) {
        if (value == null)
            return "null";
        if (value instanceof CharValue c)
            return "'" + c.value() + "'";
        if (value instanceof PrimitiveValue)
            return value.toString();
        if (value instanceof StringReference s) {
            String text = s.value();
            return "\"" + (text.length() > 200 ? text.substring(0, 200) + "…" : text) + "\"";
        }
        if (value instanceof ArrayReference array) {
            String element = array.referenceType().name().replaceFirst("\\[\\]$", "");
            return element + "[" + array.length() + "]";
        }
        ObjectReference object = (ObjectReference) value;
        String boxed = boxed(object);
        return boxed != null ? boxed : object.referenceType().name() + "@" + object.uniqueID();
    }

    // Whether the value opens into elements or fields: arrays and objects,
    // not strings nor boxed numbers.
    static boolean opens(Value value) {
        if (value instanceof ArrayReference)
            return true;
        return value instanceof ObjectReference object && !(value instanceof StringReference)
               && boxed(object) == null;
    }

    // Integer, Double, Character...: their value, as Java prints it.
    private static String boxed(ObjectReference object) {
        if (!object.referenceType().name().startsWith("java.lang."))
            return null;
        Field field = object.referenceType().fieldByName("value");
        if (field == null || field.isStatic())
            return null;
        Value inner = object.getValue(field);
        if (inner instanceof CharValue c)
            return "'" + c.value() + "'";
        return inner instanceof PrimitiveValue ? inner.toString() : null;
    }
}
