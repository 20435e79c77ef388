import com.sun.source.tree.Tree.Kind;
import java.util.Random;
// The evaluator's operators against Java's own on random operands: int, long,
// int with long, float. Run from the build folder:
//   javac -cp JARS -d OUT benchmarks/debugger/ArithmeticCheck.java && java -cp JARS:OUT ArithmeticCheck
// where JARS is build/tavessa-debugger.jar.
public class ArithmeticCheck {
    public static void main(String[] a) throws Exception {
        Random r = new Random(1);
        int bad = 0, n = 0;
        Kind[] ops = {Kind.PLUS, Kind.MINUS, Kind.MULTIPLY, Kind.DIVIDE, Kind.REMAINDER, Kind.LEFT_SHIFT, Kind.RIGHT_SHIFT, Kind.UNSIGNED_RIGHT_SHIFT, Kind.AND, Kind.OR, Kind.XOR};
        for (int i = 0; i < 200000; i++) {
            int x = r.nextInt(), y = i % 3 == 0 ? r.nextInt(70) - 5 : r.nextInt();
            if (y == 0) continue;
            long lx = r.nextLong(), ly = i % 3 == 0 ? r.nextInt(100) - 5 : r.nextLong();
            if (ly == 0) continue;
            float fx = r.nextFloat() * 1e6f - 5e5f, fy = r.nextFloat() * 100 - 50;
            for (Kind op : ops) {
                Object want = switch (op) { case PLUS -> x + y; case MINUS -> x - y; case MULTIPLY -> x * y; case DIVIDE -> x / y; case REMAINDER -> x % y; case LEFT_SHIFT -> x << y; case RIGHT_SHIFT -> x >> y; case UNSIGNED_RIGHT_SHIFT -> x >>> y; case AND -> x & y; case OR -> x | y; default -> x ^ y; };
                n++; if (!want.equals(Arithmetic.binary(op, x, y))) { bad++; if (bad < 5) System.out.println(op + " " + x + " " + y); }
                Object wantL = switch (op) { case PLUS -> lx + ly; case MINUS -> lx - ly; case MULTIPLY -> lx * ly; case DIVIDE -> lx / ly; case REMAINDER -> lx % ly; case LEFT_SHIFT -> lx << ly; case RIGHT_SHIFT -> lx >> ly; case UNSIGNED_RIGHT_SHIFT -> lx >>> ly; case AND -> lx & ly; case OR -> lx | ly; default -> lx ^ ly; };
                n++; if (!wantL.equals(Arithmetic.binary(op, lx, ly))) { bad++; if (bad < 5) System.out.println("L " + op + " " + lx + " " + ly); }
                Object wantM = switch (op) { case PLUS -> x + ly; case LEFT_SHIFT -> x << ly; case MULTIPLY -> x * ly; default -> null; };
                if (wantM != null) { n++; if (!wantM.equals(Arithmetic.binary(op, x, ly))) { bad++; if (bad < 9) System.out.println("M " + op + " " + x + " " + ly + " " + wantM + " " + Arithmetic.binary(op, x, ly)); } }
                if (op.ordinal() <= Kind.REMAINDER.ordinal() || op == Kind.MINUS || op == Kind.PLUS || op == Kind.MULTIPLY || op == Kind.DIVIDE || op == Kind.REMAINDER) {
                    Object wantF = switch (op) { case PLUS -> fx + fy; case MINUS -> fx - fy; case MULTIPLY -> fx * fy; case DIVIDE -> fx / fy; case REMAINDER -> fx % fy; default -> null; };
                    if (wantF != null) { n++; if (!wantF.equals(Arithmetic.binary(op, fx, fy))) { bad++; if (bad < 12) System.out.println("F " + op + " " + fx + " " + fy); } }
                }
            }
        }
        System.out.println(n + " checked, " + bad + " different");
    }
}
